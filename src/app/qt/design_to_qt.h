#pragma once

// The design tables' values as Qt's: texts, colours, rectangles in pixels
// and fonts. Inline, for the window's two source files.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string_view>

#include "app/qt/twips.h"
#include "form/design.h"

namespace velmora {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor ToQColor(design::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

inline QRect ToPixels(design::Rect rect) {
    return {Pixels(rect.left), Pixels(rect.top), Pixels(rect.width), Pixels(rect.height)};
}

// The tables' family names stay in the fonts; where a family is missing,
// the substitutes registered below stand in for it.
inline QFont ToQFont(const design::FontDesign& entry) {
    QFont font(ToQString(entry.family));
    font.setPointSizeF(entry.points);
    font.setBold(entry.bold);
    font.setItalic(entry.italic);
    font.setUnderline(entry.underline);
    return font;
}

}  // namespace velmora
