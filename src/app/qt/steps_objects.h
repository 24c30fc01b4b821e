#pragma once

// The inline objects of the Steps window's document (steps_document.h): the
// pivot's number bold in a frame, and the augmented bar. A header of its own
// for Qt's meta-object compiler, which the handler of a document's objects
// needs; nothing outside steps_document.cpp uses it.

#include <QObject>
#include <QTextFormat>
#include <QTextObjectInterface>

namespace velmora {

enum StepsObjectType { kPivotObject = QTextFormat::UserObject + 1, kBarObject };
inline constexpr int kObjectText = QTextFormat::UserProperty + 1;  // the pivot's number, or "|"

// The pivot stands on the line's baseline like the other numbers, as tall as
// the font's ascent so that its line stands like every other; its frame
// reaches out into the row's room above and below. The bar is as tall as a
// matrix row, so that the bars of a matrix's rows join into one rule.
class StepsObjects final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;
};

}  // namespace velmora
