// The Steps window on Qt's offscreen platform: what it shows of a regular and
// a singular system, a second show() in place of the first, the keyboard, the
// clipboard and what a screen reader reads. The steps themselves are judged
// in steps_test; here the window must show and give exactly those.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <string>
#include <vector>

#include "app/qt/steps_window.h"
#include "exact/exact_matrix.h"
#include "gui_fixture.h"  // test failures print a QString
#include "steps/steps.h"
#include "steps/steps_text.h"

namespace velmora {
namespace {

// A system with integer entries, each row's last number y.
SolveSteps StepsOfRows(const std::vector<std::vector<long>>& rows) {
    const int n = static_cast<int>(rows.size());
    RationalMatrix a(n, n);
    RationalVector y(n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            a(r, c) =
                Rational(rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)]);
        }
        y(r) = Rational(rows[static_cast<std::size_t>(r - 1)].back());
    }
    return StepsOf(a, y);
}

const std::vector<std::vector<long>> kRegular = {{2, 1, 1, 4}, {1, 3, 2, 5}, {1, 0, 0, 6}};
const std::vector<std::vector<long>> kSingular = {{1, 2, 3, 1}, {4, 5, 6, 2}, {7, 8, 9, 3}};

class StepsWindowTest : public testing::Test {
protected:
    void open(const SolveSteps& steps) {
        m_window.show(steps);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    // What the view shows, a line per block, every number and "|" in it.
    [[nodiscard]] std::vector<std::string> shownLines() {
        QTest::keyClick(m_window.view(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_window.view(), Qt::Key_C, Qt::ControlModifier);
        return Lines(QGuiApplication::clipboard()->text().toStdString());
    }

    // The lines of a text, blank ones left out, tabs before the first cell too.
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t from = 0;
        while (from <= text.size()) {
            std::size_t to = text.find('\n', from);
            to = to == std::string::npos ? text.size() : to;
            std::string line = text.substr(from, to - from);
            line.erase(0, line.find_first_not_of('\t'));
            if (!line.empty()) {
                lines.push_back(line);
            }
            from = to + 1;
        }
        return lines;
    }

    // The titles among the view's blocks, in order.
    [[nodiscard]] std::vector<std::string> titles() const {
        std::vector<std::string> found;
        for (QTextBlock b = m_window.view()->document()->begin(); b.isValid(); b = b.next()) {
            const std::string text = b.text().toStdString();
            if (text == "Solution" || text == "Inverse" || text == "Determinant") {
                found.push_back(text);
            }
        }
        return found;
    }

    // The framed pivots: bold inline objects, one per step.
    [[nodiscard]] int framedPivots() const {
        int count = 0;
        for (QTextBlock b = m_window.view()->document()->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                count += format.objectType() != QTextFormat::NoObject &&
                                 format.fontWeight() == QFont::Bold
                             ? 1
                             : 0;
            }
        }
        return count;
    }

    StepsWindow m_window;
};

int StepCount(const SolveSteps& steps) {
    int count = 0;
    for (const StepSection& section : steps.sections) {
        count += static_cast<int>(section.steps.size());
    }
    return count;
}

TEST_F(StepsWindowTest, ShowsEverySectionAndStepOfTheSteps) {
    const struct {
        const std::vector<std::vector<long>>* rows;
        std::vector<std::string> titles;
    } cases[] = {
        {&kRegular, {"Solution", "Inverse", "Determinant"}},
        {&kSingular, {"Solution", "Determinant"}},
    };
    for (const auto& c : cases) {
        const SolveSteps steps = StepsOfRows(*c.rows);
        open(steps);
        EXPECT_EQ(titles(), c.titles);
        EXPECT_EQ(shownLines(), Lines(StepsPlainText(steps)));
        EXPECT_EQ(framedPivots(), StepCount(steps));
    }
}

TEST_F(StepsWindowTest, ASecondShowReplacesTheStepsAndScrollsToTheTop) {
    open(StepsOfRows(kRegular));
    m_window.view()->verticalScrollBar()->setValue(m_window.view()->verticalScrollBar()->maximum());
    const SolveSteps second = StepsOfRows(kSingular);
    open(second);
    EXPECT_EQ(m_window.view()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Solution", "Determinant"}));
    EXPECT_EQ(shownLines(), Lines(StepsPlainText(second)));
    EXPECT_EQ(m_window.view()->document()->parent(), m_window.view());
}

TEST_F(StepsWindowTest, CopiesExactlyTheTextsOfTheSteps) {
    const SolveSteps steps = StepsOfRows(kRegular);
    open(steps);
    const QString plain = QString::fromStdString(StepsPlainText(steps));
    const QString latex = QString::fromStdString(StepsLatex(steps));
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto click = [](QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); };
    clipboard->clear();
    click(m_window.latexButton());
    EXPECT_EQ(clipboard->text(), latex);
    click(m_window.copyButton());
    EXPECT_EQ(clipboard->text(), plain);
    // Ctrl+C with nothing selected, in the view and on a button.
    for (QWidget* widget :
         {static_cast<QWidget*>(m_window.view()), static_cast<QWidget*>(m_window.printButton())}) {
        clipboard->clear();
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard->text(), plain);
    }
}

TEST_F(StepsWindowTest, TabReachesTheButtonsAndEscapeCloses) {
    open(StepsOfRows(kRegular));
    m_window.view()->setFocus();
    const std::vector<QWidget*> expected = {m_window.copyButton(), m_window.latexButton(),
                                            m_window.printButton(), m_window.pdfButton(),
                                            m_window.view()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    QTest::keyClick(m_window.latexButton(), Qt::Key_Escape);
    EXPECT_FALSE(m_window.isVisible());
    open(StepsOfRows(kSingular));
    QTest::keyClick(m_window.view(), Qt::Key_Escape);
    EXPECT_FALSE(m_window.isVisible());
}

TEST_F(StepsWindowTest, AScreenReaderReadsTheSpokenTextLineByLine) {
    const SolveSteps steps = StepsOfRows(kRegular);
    open(steps);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(m_window.view());
    ASSERT_NE(view, nullptr);
    QAccessibleTextInterface* text = view->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(view->state().readOnly);
    const QString spoken = QString::fromStdString(StepsSpokenText(steps));
    EXPECT_EQ(text->text(0, text->characterCount()), spoken);
    // The first step (R1 ↔ R2, the first 1 in column 1 moved up): its pivot
    // named, then its first row.
    const int pivot =
        static_cast<int>(spoken.indexOf(QStringLiteral("pivot 1 in row 1, column 1")));
    ASSERT_GT(pivot, 0);
    int start = 0;
    int end = 0;
    EXPECT_EQ(text->textAtOffset(pivot + 3, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("pivot 1 in row 1, column 1\n"));
    EXPECT_EQ(start, pivot);
    EXPECT_EQ(text->textAtOffset(end, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("1, 3, 2 | 5\n"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&m_window)->role(), QAccessible::Window);
}

TEST_F(StepsWindowTest, SavesAPdf) {
    open(StepsOfRows(kRegular));
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("steps.pdf"));
    ASSERT_TRUE(m_window.writePdf(file));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 4000);
}

}  // namespace
}  // namespace velmora
