#pragma once

// The Steps window: the work behind the last Solve, step by step in exact
// fractions, to read, copy as plain text or LaTeX, print or save as PDF. A
// top-level window of its own, not modal; its main window owns it and calls
// show(steps) after each Solve that read A.
//
// What is shown is rich text in a read-only view; what a screen reader reads
// of that view is the steps' spoken text (captions first, the pivot named,
// each matrix row a line), and what the copies give is the steps' plain text
// and LaTeX: all three from the same steps.

#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "steps/steps.h"

class QMimeData;
class QPrinter;
class QPushButton;

namespace velmora {

// The view of the steps: its accessible text is spokenText(), not the
// cell-by-cell text of its tables.
class StepsView final : public QTextBrowser {
    Q_OBJECT

public:
    explicit StepsView(QWidget* parent = nullptr);

    // Writes the steps into the view, scrolled to the top; returns the width
    // the view needs to show the widest matrix row whole.
    int setSteps(const SolveSteps& steps);
    [[nodiscard]] const QString& spokenText() const { return m_spokenText; }

protected:
    // A selection copied with the pivot's number and the bar in it.
    [[nodiscard]] QMimeData* createMimeDataFromSelection() const override;

private:
    QString m_spokenText;
};

class StepsWindow final : public QWidget {
    Q_OBJECT

public:
    // A parent makes it that window's Steps window, still a window of its own.
    explicit StepsWindow(QWidget* parent = nullptr);

    // Shows these steps in place of the ones shown, scrolled to the top, and
    // brings the window to the front. Opened, it is as wide as the widest
    // matrix needs, within the screen.
    void show(const SolveSteps& steps);
    using QWidget::show;

    // What "Copy Steps", "Copy as LaTeX" and Ctrl+C put on the clipboard.
    [[nodiscard]] const QString& plainText() const { return m_plainText; }
    [[nodiscard]] const QString& latex() const { return m_latex; }

    // The steps printed to a PDF file; false when it cannot be written.
    [[nodiscard]] bool writePdf(const QString& fileName) const;
    // The steps printed on the printer's pages, each section's matrices in a
    // font small enough for their width.
    void printTo(QPrinter& printer) const;
    // Margins, and the page turned to landscape where upright it would be
    // too narrow for the steps.
    void setUpPage(QPrinter& printer) const;

    // The controls, for tests and tools.
    [[nodiscard]] StepsView* view() const { return m_view; }
    [[nodiscard]] QPushButton* copyButton() const { return m_copy; }
    [[nodiscard]] QPushButton* latexButton() const { return m_copyLatex; }
    [[nodiscard]] QPushButton* printButton() const { return m_print; }
    [[nodiscard]] QPushButton* pdfButton() const { return m_pdf; }

protected:
    // Escape closes the window; Ctrl+C copies the steps unless text is selected.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copySteps() const;
    void copyLatex() const;
    [[nodiscard]] std::unique_ptr<QTextDocument> pageDocument(const QPrinter& printer) const;
    void print();
    void saveAsPdf();

    StepsView* m_view = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_copyLatex = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_pdf = nullptr;
    SolveSteps m_steps;
    QString m_plainText;
    QString m_latex;
};

}  // namespace velmora
