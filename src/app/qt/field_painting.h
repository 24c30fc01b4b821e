#pragma once

// How a field draws itself when it is not being edited: the panel through
// the style (with its focus frame, for a focused read-only field), then its
// text in the whole inside of the frame (wider than what QLineEdit's own
// inner margins leave), fitted to that width and highlighted when focused,
// as its whole text is selected then, then a mark in the top left corner
// when what is drawn is not the whole text.

#include <QRect>
#include <QString>
#include <Qt>

class QFontMetrics;
class QPainter;
class QStyleOptionFrame;
class QWidget;

namespace velmora {

struct ShownText {
    QString text;
    bool marked = false;     // rounded, cut or filled with '#'
    bool outOfDate = false;  // drawn slanted and grey: an input changed since
};

// The text fitted to `width` pixels of the font.
[[nodiscard]] ShownText FitToWidth(const QString& text, const QFontMetrics& metrics, int width);

// The inside of the field's frame.
[[nodiscard]] QRect TextArea(const QStyleOptionFrame& option, const QWidget* widget);

// Paints the whole field; `alignment` places the text horizontally.
void PaintField(QPainter& painter, const QStyleOptionFrame& option, const QWidget* widget,
                const ShownText& shown, Qt::Alignment alignment);

// The mark of a text the window reads only in part: an amber underline
// along the bottom of the inside, unlike the red corner of a rounded text.
void PaintReadingMark(QPainter& painter, const QRect& area);

}  // namespace velmora
