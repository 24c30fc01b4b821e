#include "app/qt/steps_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "app/qt/steps_objects.h"

namespace velmora {

namespace {

// Lengths in pixels at 96 per inch, the unit of a text document's lengths,
// which its layout scales to a printer's resolution.
constexpr qreal kGap = 18;             // between two columns
constexpr qreal kIndent = 24;          // of a matrix
constexpr qreal kPadding = 3;          // inside the pivot's frame
constexpr qreal kRule = 2;             // the frame's and the bar's width
constexpr qreal kBarRoom = 14;         // the bar's width with the room either side
constexpr qreal kRowHeight = 1.45;     // a matrix row's height in lines of text
constexpr qreal kSmallestScale = 0.5;  // of the cells' font, where matrices are fitted

qreal DeviceScale(const QTextDocument* document) {
    const QPaintDevice* device = document->documentLayout()->paintDevice();
    return device == nullptr ? 1.0 : device->logicalDpiY() / 96.0;
}

// The font of an object's format as the document's layout uses it.
QFont LayoutFont(const QTextDocument* document, const QTextFormat& format) {
    const QPaintDevice* device = document->documentLayout()->paintDevice();
    const QFont font = format.toCharFormat().font();
    return device == nullptr ? font : QFont(font, device);
}

// A document's writer: its formats, and the tab stops of the section being
// written.
class Writer {
public:
    Writer(QTextDocument& document, qreal fitWidth) : m_cursor(&document), m_fitWidth(fitWidth) {
        const QFont font = document.defaultFont();
        m_plain.setFont(font);
        m_plain.setForeground(Qt::black);
        m_bold = m_plain;
        m_bold.setFontWeight(QFont::Bold);
        m_title = m_bold;
        m_title.setFontPointSize(font.pointSizeF() * 1.4);
        setCellScale(1.0);
    }

    void paragraph(const std::string& text, const QTextCharFormat& format, qreal top) {
        QTextBlockFormat block;
        block.setTopMargin(top);
        insertBlock(block, format);
        m_cursor.insertText(QString::fromStdString(text), format);
    }

    // The columns for these matrices: each as wide as its widest number in
    // bold, framed as a pivot, the bar after column `bar`. With a width to
    // fit, the cells' font is made smaller where the columns would be wider.
    void columns(const std::vector<const EliminationMatrix*>& matrices, int bar) {
        const auto columns = static_cast<std::size_t>(matrices.front()->cols());
        const qreal fixed = kIndent + static_cast<qreal>(columns) * 2 * (kPadding + kRule) +
                            static_cast<qreal>(columns - 1) * kGap + (bar > 0 ? kBarRoom : 0);
        // A smaller font's advances are not exactly in scale: a few rounds.
        qreal scale = 1.0;
        std::vector<qreal> widths;
        for (int round = 0; round < 4; ++round) {
            setCellScale(scale);
            widths = numberWidths(matrices);
            const qreal numbers = std::accumulate(widths.begin(), widths.end(), 0.0);
            if (m_fitWidth <= 0 || fixed + numbers <= m_fitWidth || scale <= kSmallestScale) {
                break;
            }
            scale = std::max(kSmallestScale, scale * (m_fitWidth - fixed) / numbers);
        }
        QList<QTextOption::Tab> tabs;
        m_barColumn = bar;
        qreal x = kIndent;
        for (std::size_t c = 0; c < columns; ++c) {
            x += (c == 0 ? 0 : kGap) + widths[c] + 2 * (kPadding + kRule);
            tabs.push_back(QTextOption::Tab(x, QTextOption::RightTab));
            if (static_cast<int>(c) + 1 == bar) {
                x += kBarRoom;
                tabs.push_back(QTextOption::Tab(x, QTextOption::RightTab));
            }
        }
        m_widest = std::max(m_widest, x);
        m_rowFormat = QTextBlockFormat();
        m_rowFormat.setTabPositions(tabs);
        m_rowFormat.setNonBreakableLines(true);
        m_rowFormat.setLineHeight(QFontMetricsF(m_cell.font()).height() * kRowHeight,
                                  QTextBlockFormat::FixedHeight);
        m_firstRowFormat = m_rowFormat;
        m_firstRowFormat.setTopMargin(4);
    }

    // Each row one block: a tab before each number, the plain text written
    // in runs between the objects.
    void matrix(const EliminationMatrix& m, int pivotRow, int pivotColumn) {
        for (int r = 1; r <= m.rows(); ++r) {
            insertBlock(r == 1 ? m_firstRowFormat : m_rowFormat, m_cell);
            QString run;
            for (int c = 1; c <= m.cols(); ++c) {
                run += u'\t';
                const QString number = QString::fromStdString(FractionText(m(r, c)));
                if (r == pivotRow && c == pivotColumn) {
                    QTextCharFormat pivot = m_pivot;
                    pivot.setProperty(kObjectText, number);
                    insertObject(run, pivot);
                } else {
                    run += number;
                }
                if (c == m_barColumn && c < m.cols()) {
                    run += u'\t';
                    insertObject(run, m_bar);
                }
            }
            m_cursor.insertText(run, m_cell);
        }
    }

    [[nodiscard]] qreal widest() const { return m_widest; }
    [[nodiscard]] const QTextCharFormat& plain() const { return m_plain; }
    [[nodiscard]] const QTextCharFormat& bold() const { return m_bold; }
    [[nodiscard]] const QTextCharFormat& title() const { return m_title; }

private:
    // The cells' formats in the document's font times `scale`, and the
    // advances of the characters of their numbers.
    void setCellScale(qreal scale) {
        QFont font = m_plain.font();
        font.setPointSizeF(font.pointSizeF() * scale);
        m_cell = m_plain;
        m_cell.setFont(font);
        m_bar = m_cell;
        m_bar.setObjectType(kBarObject);
        m_bar.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        m_bar.setProperty(kObjectText, QStringLiteral("|"));
        m_pivot = m_cell;
        m_pivot.setFontWeight(QFont::Bold);
        m_pivot.setObjectType(kPivotObject);
        const QFontMetricsF bold(m_pivot.font());
        for (std::size_t i = 0; i < m_advances.size(); ++i) {
            const char c = i < 10 ? static_cast<char>('0' + i) : i == 10 ? '-' : '/';
            m_advances[i] = bold.horizontalAdvance(QLatin1Char(c));
        }
    }

    // Per column the width of its widest number, the sum of its characters'
    // advances (digits, '-' and '/'): a few hundred matrices are measured
    // without shaping each text.
    [[nodiscard]] std::vector<qreal> numberWidths(
        const std::vector<const EliminationMatrix*>& matrices) const {
        std::vector<qreal> widths(static_cast<std::size_t>(matrices.front()->cols()), 0.0);
        for (const EliminationMatrix* m : matrices) {
            for (int r = 1; r <= m->rows(); ++r) {
                for (int c = 1; c <= m->cols(); ++c) {
                    qreal& width = widths[static_cast<std::size_t>(c - 1)];
                    width = std::max(width, textWidth(FractionText((*m)(r, c))));
                }
            }
        }
        return widths;
    }

    [[nodiscard]] qreal textWidth(const std::string& text) const {
        qreal width = 0;
        for (const char c : text) {
            const std::size_t i = c == '-' ? 10 : c == '/' ? 11 : static_cast<std::size_t>(c - '0');
            width += i < m_advances.size() ? m_advances[i] : m_advances[0];
        }
        return width;
    }

    // The run of text before the object, then the object.
    void insertObject(QString& run, const QTextCharFormat& object) {
        m_cursor.insertText(run, m_cell);
        run.clear();
        m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
    }

    // The document's first block is there already.
    void insertBlock(const QTextBlockFormat& block, const QTextCharFormat& format) {
        if (m_first) {
            m_cursor.setBlockFormat(block);
            m_cursor.setBlockCharFormat(format);
            m_first = false;
        } else {
            m_cursor.insertBlock(block, format);
        }
    }

    QTextCursor m_cursor;
    qreal m_fitWidth;
    bool m_first = true;
    QTextCharFormat m_plain, m_bold, m_title;
    QTextCharFormat m_cell, m_pivot, m_bar;  // of the matrices, in the section's scale
    std::array<qreal, 12> m_advances{};      // in bold: '0' to '9', '-', '/'
    QTextBlockFormat m_rowFormat, m_firstRowFormat;
    int m_barColumn = 0;
    qreal m_widest = 0;  // the widest matrix row so far
};

}  // namespace

QSizeF StepsObjects::intrinsicSize(QTextDocument* document, int /*position*/,
                                   const QTextFormat& format) {
    const QFontMetricsF metrics(LayoutFont(document, format));
    const qreal frame = (kPadding + kRule) * DeviceScale(document);
    if (format.objectType() == kBarObject) {
        return {kBarRoom * DeviceScale(document), metrics.height() * kRowHeight};
    }
    return {metrics.horizontalAdvance(format.stringProperty(kObjectText)) + 2 * frame,
            metrics.ascent()};
}

void StepsObjects::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                              int /*position*/, const QTextFormat& format) {
    const qreal scale = DeviceScale(document);
    const QColor ink = format.toCharFormat().foreground().color();
    painter->save();
    if (format.objectType() == kBarObject) {
        painter->fillRect(
            QRectF(rect.center().x() - kRule * scale / 2, rect.top(), kRule * scale, rect.height()),
            ink);
    } else {
        const qreal frame = (kPadding + kRule) * scale;
        const qreal half = kRule * scale / 2;
        // Laid out as the document lays out its text, for the same device,
        // so that the number has the size of its neighbours.
        QTextLayout number(format.stringProperty(kObjectText), format.toCharFormat().font(),
                           document->documentLayout()->paintDevice());
        number.beginLayout();
        const QTextLine line = number.createLine();
        number.endLayout();
        const QRectF box = rect.adjusted(0, -frame, 0, line.descent() + frame);
        painter->setPen(QPen(ink, kRule * scale));
        painter->drawRect(box.adjusted(half, half, -half, -half));
        number.draw(painter, QPointF(rect.left() + frame, rect.bottom() - line.ascent()));
    }
    painter->restore();
}

qreal WriteSteps(QTextDocument& document, const SolveSteps& steps, qreal fitWidth) {
    document.clear();
    // One edit: a view of the document lays it out once, at the end.
    QTextCursor edit(&document);
    edit.beginEditBlock();
    Writer writer(document, fitWidth);
    for (const StepSection& section : steps.sections) {
        writer.paragraph(section.title, writer.title(),
                         &section == &steps.sections.front() ? 0 : 24);
        writer.paragraph(section.label, writer.plain(), 6);
        std::vector<const EliminationMatrix*> matrices{&section.start};
        for (const Step& step : section.steps) {
            matrices.push_back(&step.matrix);
        }
        writer.columns(matrices, section.bar);
        writer.matrix(section.start, 0, 0);
        for (const Step& step : section.steps) {
            writer.paragraph(step.caption, writer.bold(), 12);
            writer.matrix(step.matrix, step.operation.pivotRow, step.operation.pivotColumn);
        }
        writer.paragraph(section.closing, writer.plain(), 12);
        if (section.result) {
            writer.columns({&*section.result}, 0);
            writer.matrix(*section.result, 0, 0);
        }
    }
    edit.endEditBlock();
    // After the writing: a layout there before would follow each insertion.
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    if (layout->handlerForObject(kPivotObject) == nullptr) {
        auto* objects = new StepsObjects(&document);
        layout->registerHandler(kPivotObject, objects);
        layout->registerHandler(kBarObject, objects);
    }
    return writer.widest();
}

QString SelectedStepsText(const QTextCursor& selection) {
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    QString text;
    for (QTextBlock block = selection.document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        if (block.position() > start) {
            text += u'\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(start, fragment.position());
            const int to = std::min(end, fragment.position() + fragment.length());
            if (from >= to) {
                continue;
            }
            const QTextCharFormat format = fragment.charFormat();
            if (format.objectType() == kPivotObject || format.objectType() == kBarObject) {
                text += format.stringProperty(kObjectText).repeated(to - from);
            } else {
                text += fragment.text().mid(from - fragment.position(), to - from);
            }
        }
    }
    return text;
}

}  // namespace velmora
