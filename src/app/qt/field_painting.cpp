#include "app/qt/field_painting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

#include "fitting/fit_text.h"

namespace velmora {

namespace {

// The mark: a small dark red triangle in the top left corner, above the
// digits, so that it never takes the place of one.
constexpr int kMarkSize = 4;  // pixels along either edge
const QColor kMarkColour(176, 0, 0);
constexpr int kUnderlineHeight = 2;  // pixels
const QColor kReadingMarkColour(224, 150, 0);
// A result out of date: its text slanted and in a dark grey that stays
// legible on every result colour, unlike a current upright black one.
const QColor kOutOfDateColour(72, 72, 72);

}  // namespace

ShownText FitToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    const FittedText fitted = FitText(text.toStdString(), [&metrics, width](std::string_view s) {
        return metrics.horizontalAdvance(
                   QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))) <= width;
    });
    return {QString::fromStdString(fitted.text), fitted.shortened()};
}

QRect TextArea(const QStyleOptionFrame& option, const QWidget* widget) {
    const QStyle* style = widget->style();
    return style->subElementRect(QStyle::SE_LineEditContents, &option, widget);
}

void PaintField(QPainter& painter, const QStyleOptionFrame& option, const QWidget* widget,
                const ShownText& shown, Qt::Alignment alignment) {
    widget->style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, widget);

    const QRect area = TextArea(option, widget);
    const QFontMetrics& metrics = option.fontMetrics;
    const int advance = metrics.horizontalAdvance(shown.text);
    int x = area.left();
    if (alignment & Qt::AlignRight) {
        x = area.left() + area.width() - advance;
    } else if (alignment & Qt::AlignHCenter) {
        x = area.left() + (area.width() - advance) / 2;
    }
    // The same baseline as QLineEdit's: one pixel of vertical margin, the
    // line centred in what is left.
    constexpr int kVerticalMargin = 1;
    const int lineHeight = area.height() - 2 * kVerticalMargin;
    const int top = area.top() + kVerticalMargin + (lineHeight - metrics.height() + 1) / 2;
    QFont font = widget->font();
    font.setItalic(shown.outOfDate);
    painter.setFont(font);
    painter.setClipRect(area);
    const QPoint baseline(x, top + metrics.ascent());
    if (option.state & QStyle::State_HasFocus && !shown.text.isEmpty()) {
        // Focused, its whole text is selected: what is drawn is highlighted.
        painter.fillRect(QRect(x, top, advance, metrics.height()),
                         option.palette.color(QPalette::Highlight));
        painter.setPen(option.palette.color(QPalette::HighlightedText));
    } else {
        painter.setPen(shown.outOfDate ? kOutOfDateColour : option.palette.color(QPalette::Text));
    }
    painter.drawText(baseline, shown.text);

    if (shown.marked) {
        const QPoint corner = area.topLeft();
        const QPolygon triangle{corner, corner + QPoint(kMarkSize, 0),
                                corner + QPoint(0, kMarkSize)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(kMarkColour);
        painter.drawPolygon(triangle);
    }
}

void PaintReadingMark(QPainter& painter, const QRect& area) {
    painter.fillRect(
        QRect(area.left(), area.bottom() + 1 - kUnderlineHeight, area.width(), kUnderlineHeight),
        kReadingMarkColour);
}

}  // namespace velmora
