#pragma once

// How a field without the keyboard focus draws itself: the panel through
// the style, then its text in the whole inside of the frame (wider than
// what QLineEdit's own inner margins leave), fitted to that width, then a
// mark in the top left corner when what is drawn is not the whole text.

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
    bool marked = false;  // rounded, cut or filled with '#'
};

// The text fitted to `width` pixels of the font.
[[nodiscard]] ShownText FitToWidth(const QString& text, const QFontMetrics& metrics, int width);

// The inside of the field's frame.
[[nodiscard]] QRect TextArea(const QStyleOptionFrame& option, const QWidget* widget);

// Paints the whole field; `alignment` places the text horizontally.
void PaintField(QPainter& painter, const QStyleOptionFrame& option, const QWidget* widget,
                const ShownText& shown, Qt::Alignment alignment);

}  // namespace velmora
