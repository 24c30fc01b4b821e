#include "app/qt/steps_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPalette>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextFrame>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/qt/accessible_views.h"
#include "app/qt/design_to_qt.h"
#include "app/qt/steps_document.h"
#include "form/design.h"
#include "steps/steps_text.h"

namespace velmora {

namespace {

constexpr int kSmallestWidth = 560;  // pixels: room for the buttons

// The window's own colours, as the main window has its own: black text on a
// white page and on light buttons, whatever the desktop's theme.
QPalette StepsPalette() {
    const QColor light(239, 239, 239);
    QPalette palette(light, light);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
        palette.setColor(role, Qt::black);
    }
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, light);
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, Qt::darkGray);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::darkGray);
    return palette;
}

// The view as a screen reader reads it: read-only text, the steps' spoken
// text, in lines. The view's own text holds tab stops, a framed pivot and the
// bar as drawn objects; this text reads each matrix row as one line and names
// each step's pivot. Its caret is its own: the view has no caret to follow.
class SpokenStepsView final : public ReadOnlyTextView {
public:
    explicit SpokenStepsView(StepsView* view) : ReadOnlyTextView(view) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = ReadOnlyTextView::state();
        state.multiLine = true;
        return state;
    }

    // QAccessibleTextInterface
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    [[nodiscard]] int cursorPosition() const override { return m_cursor; }
    void setCursorPosition(int position) override {
        m_cursor = std::clamp(position, 0, characterCount());
    }
    // Lines end at line feeds: each is a title, a caption, a pivot or a
    // matrix row. Other boundaries as Qt finds them.
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                       int* end) const override {
        if (type != QAccessible::LineBoundary && type != QAccessible::ParagraphBoundary) {
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        }
        const QString& all = spoken();
        if (offset < 0 || offset > all.size()) {
            *start = *end = -1;
            return {};
        }
        const qsizetype from = offset == 0 ? 0 : all.lastIndexOf(u'\n', offset - 1) + 1;
        const qsizetype lineFeed = all.indexOf(u'\n', offset);
        const qsizetype to = lineFeed < 0 ? all.size() : lineFeed + 1;
        *start = static_cast<int>(from);
        *end = static_cast<int>(to);
        return all.mid(from, to - from);
    }
    [[nodiscard]] QRect characterRect(int /*offset*/) const override { return {}; }
    [[nodiscard]] int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }

protected:
    [[nodiscard]] QString readText() const override { return spoken(); }

private:
    [[nodiscard]] const QString& spoken() const {
        return static_cast<StepsView*>(widget())->spokenText();
    }

    int m_cursor = 0;
};

QAccessibleInterface* StepsViews(const QString& className, QObject* object) {
    if (className == QLatin1String(StepsView::staticMetaObject.className())) {
        return new SpokenStepsView(static_cast<StepsView*>(object));
    }
    if (className == QLatin1String(StepsWindow::staticMetaObject.className())) {
        // A top-level widget is a frame, not Qt 6.4's filler.
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

// The width of the printer's page inside its margins, in a text document's
// units (pixels at 96 per inch).
qreal PageWidth(const QPrinter& printer) {
    return printer.pageLayout().paintRect(QPageLayout::Inch).width() * 96.0;
}

QPushButton* AddButton(QHBoxLayout* row, const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

StepsView::StepsView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setAccessibleName(QStringLiteral("Steps"));
}

int StepsView::setSteps(const SolveSteps& steps) {
    m_spokenText = QString::fromStdString(StepsSpokenText(steps));
    // Written into a new document, laid out once when the view takes it.
    const QPointer<QTextDocument> old = document();
    auto* fresh = new QTextDocument(this);
    fresh->setUndoRedoEnabled(false);
    fresh->setDefaultFont(font());
    const qreal widest = WriteSteps(*fresh, steps);
    setDocument(fresh);
    // The view deletes its first document, which its inside owns; the
    // others are the view's.
    if (old != nullptr && old->parent() == this) {
        delete old;
    }
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::TextUpdated);
        QAccessible::updateAccessibility(&changed);
    }
    const int frame = 2 * frameWidth() + static_cast<int>(2 * document()->documentMargin());
    return static_cast<int>(std::ceil(widest)) + frame + verticalScrollBar()->sizeHint().width();
}

QMimeData* StepsView::createMimeDataFromSelection() const {
    auto* mime = new QMimeData;
    mime->setText(SelectedStepsText(textCursor()));
    return mime;
}

StepsWindow::StepsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    static const bool installed = (QAccessible::installFactory(StepsViews), true);
    (void)installed;
    setWindowTitle(ToQString(design::kCaption) + QStringLiteral(" \u2014 Steps"));
    setAccessibleName(windowTitle());
    setPalette(StepsPalette());
    setAutoFillBackground(true);
    QFont font = this->font();
    font.setPointSizeF(10.0);
    setFont(font);

    m_view = new StepsView(this);
    auto* buttons = new QHBoxLayout;
    m_copy = AddButton(buttons, "Copy Steps");
    m_copyLatex = AddButton(buttons, "Copy as LaTeX");
    m_print = AddButton(buttons, "Print\u2026");
    m_pdf = AddButton(buttons, "Save as PDF\u2026");
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);

    connect(m_copy, &QPushButton::clicked, this, &StepsWindow::copySteps);
    connect(m_copyLatex, &QPushButton::clicked, this, &StepsWindow::copyLatex);
    connect(m_print, &QPushButton::clicked, this, &StepsWindow::print);
    connect(m_pdf, &QPushButton::clicked, this, &StepsWindow::saveAsPdf);
    m_view->installEventFilter(this);
    resize(kSmallestWidth, 640);
}

void StepsWindow::show(const SolveSteps& steps) {
    m_steps = steps;
    m_plainText = QString::fromStdString(StepsPlainText(steps));
    m_latex = QString::fromStdString(StepsLatex(steps));
    const int width = m_view->setSteps(steps);
    if (!isVisible()) {
        const QMargins margins = layout()->contentsMargins();
        const int wanted = width + margins.left() + margins.right();
        const int most = screen()->availableGeometry().width() * 9 / 10;
        resize(std::clamp(wanted, std::min(kSmallestWidth, most), most), height());
    }
    QWidget::show();
    raise();
    activateWindow();
}

bool StepsWindow::writePdf(const QString& fileName) const {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    setUpPage(printer);
    printTo(printer);
    return printer.printerState() != QPrinter::Error;
}

void StepsWindow::setUpPage(QPrinter& printer) const {
    printer.setDocName(windowTitle());
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setPageOrientation(QPageLayout::Portrait);
    const std::unique_ptr<QTextDocument> page = pageDocument(printer);
    if (page->idealWidth() > PageWidth(printer)) {
        printer.setPageOrientation(QPageLayout::Landscape);
    }
}

// Paginated for the printer's page inside its margins, which QTextDocument's
// printing then takes as it is.
std::unique_ptr<QTextDocument> StepsWindow::pageDocument(const QPrinter& printer) const {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(m_view->font());
    WriteSteps(*document, m_steps, PageWidth(printer));
    QTextFrameFormat page = document->rootFrame()->frameFormat();
    page.setMargin(0);
    document->rootFrame()->setFrameFormat(page);
    document->setPageSize(printer.pageLayout().paintRect(QPageLayout::Inch).size() * 96.0);
    return document;
}

void StepsWindow::printTo(QPrinter& printer) const {
    pageDocument(printer)->print(&printer);
}

void StepsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        close();
    } else if (event->matches(QKeySequence::Copy)) {
        copySteps();
    } else {
        QWidget::keyPressEvent(event);
    }
}

// In the view, Ctrl+C copies a selection; with none, the steps.
bool StepsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !m_view->textCursor().hasSelection()) {
        copySteps();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StepsWindow::copySteps() const {
    QGuiApplication::clipboard()->setText(m_plainText);
}

void StepsWindow::copyLatex() const {
    QGuiApplication::clipboard()->setText(m_latex);
}

void StepsWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Steps"));
    if (dialog.exec() == QDialog::Accepted) {
        printTo(printer);
    }
}

void StepsWindow::saveAsPdf() {
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Save as PDF"),
                                                          QStringLiteral("steps.pdf"),
                                                          QStringLiteral("PDF files (*.pdf)"));
    if (!fileName.isEmpty() && !writePdf(fileName)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Cannot write %1.").arg(fileName));
    }
}

}  // namespace velmora
