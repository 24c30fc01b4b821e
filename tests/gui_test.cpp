// The real window on Qt's offscreen platform: tab order, focus and its
// selection, read-only fields, the option group, message boxes, window
// deactivation, accessibility and the design geometry in pixels.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QXmlStreamReader>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/field_edit.h"
#include "app/qt/picture.h"
#include "app/qt/qt_form.h"
#include "app/qt/twips.h"
#include "form/design.h"
#include "gui_fixture.h"

namespace velmora {
namespace {

using testing_support::Box;
using testing_support::Gui;
using testing_support::ToolTipOf;

TEST_F(Gui, WindowHasTheDesignSizeFixedWithoutMaximiseButton) {
    EXPECT_EQ(form().windowTitle(), "Velmora");
    EXPECT_EQ(form().size(), QSize(643, 482));
    EXPECT_EQ(form().minimumSize(), form().maximumSize());
    EXPECT_FALSE(form().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Gui, TheBackgroundIsTheDrawingRenderedAtTheWindowsScale) {
    // The pixels the build rendered, against the drawing rendered anew.
    const QImage shown = form().background().toImage();
    const QImage drawing =
        RenderPicture(QStringLiteral(":/velmora/background.svg"), form().devicePixelRatioF());
    ASSERT_EQ(shown.size(), drawing.size());
    EXPECT_TRUE(shown == drawing);
    // The build's rendering, shown at one device pixel a pixel.
    EXPECT_TRUE(RenderedPicture() ==
                RenderPicture(QStringLiteral(":/velmora/background.svg"), 1.0));
    QImage green(drawing.size(), drawing.format());
    green.fill(QColor(200, 250, 222));
    EXPECT_FALSE(drawing == green);  // the drawing draws
}

TEST_F(Gui, ControlsStandAtTheirDesignPixels) {
    // 15 twips to the pixel, to the nearest pixel.
    EXPECT_EQ(edit(txtMat(11))->geometry(), QRect(72, 40, 41, 19));
    EXPECT_EQ(edit(txtIM(66))->geometry(), QRect(576, 408, 41, 19));
    EXPECT_EQ(edit(txtMatSize)->geometry(), QRect(112, 8, 17, 19));
    EXPECT_EQ(form().solveButton()->geometry(), QRect(536, 8, 73, 33));
    EXPECT_EQ(form().option(1)->geometry(), QRect(200, 264, 57, 17));
    // Moved by the start-up layout for N = 3.
    EXPECT_EQ(form().label(5)->pos(), QPoint(240, 60));
    EXPECT_EQ(edit(txtSol(2))->pos(), QPoint(128, 136));
    EXPECT_EQ(edit(txtY(3))->pos(), QPoint(280, 88));
}

TEST_F(Gui, TwipsRoundToTheNearestPixel) {
    EXPECT_EQ(Pixels(0), 0);
    EXPECT_EQ(Pixels(7), 0);
    EXPECT_EQ(Pixels(8), 1);
    EXPECT_EQ(Pixels(288), 19);
    EXPECT_EQ(Pixels(612), 41);
    EXPECT_EQ(Pixels(9648), 643);
    EXPECT_EQ(Pixels(-8), -1);
}

TEST_F(Gui, LinesArePaintedWhereTheLayoutPutThem) {
    // The coefficient grid's right bracket at N = 3, then at N = 6.
    const LineEnds atThree{3480, 480, 3480, 1680};
    ASSERT_EQ(form().line(4), atThree);
    const QPoint onBar(Pixels(3480), Pixels(1200));
    EXPECT_EQ(form().grab().toImage().pixelColor(onBar), QColor(Qt::black));

    enterDimension("6");
    ASSERT_EQ(form().line(4), design::kLines[design::LineSlot(4) - 1].ends);
    EXPECT_NE(form().grab().toImage().pixelColor(onBar), QColor(Qt::black));
    EXPECT_EQ(form().grab().toImage().pixelColor(QPoint(Pixels(6000), Pixels(2000))),
              QColor(Qt::black));
}

TEST_F(Gui, TabFromTheLastVisibleCellOfARowGoesToTheNextRowAtN3) {
    focus(edit(txtMat(13)));
    tab();
    EXPECT_EQ(focused(), edit(txtMat(21)));
    tab(Qt::ShiftModifier);
    EXPECT_EQ(focused(), edit(txtMat(13)));
}

TEST_F(Gui, TabPassesSolveBetweenVectorAndInverseAtN6) {
    enterDimension("6");
    ASSERT_EQ(form().logic().n(), 6);
    focus(edit(txtY(6)));
    tab();
    EXPECT_EQ(focused(), form().solveButton());
    tab();
    EXPECT_EQ(focused(), edit(txtIM(11)));
}

TEST_F(Gui, TabVisitsTheShownControlsInDesignOrder) {
    for (const int n : {3, 6, 1}) {
        SCOPED_TRACE(n);
        if (n != 3) {
            enterDimension(QString::number(n));
            ASSERT_EQ(form().logic().n(), n);
        }
        std::vector<QWidget*> expected;
        for (const design::TabStop& stop : design::TabOrder()) {
            QWidget* widget = stopWidget(stop);
            // Qt's Tab enters an exclusive radio group at its checked button only.
            const bool uncheckedOption = stop.kind == design::TabStop::Kind::option &&
                                         !form().option(stop.option)->isChecked();
            // Show Steps waits, disabled, for a Solve.
            if (!widget->isHidden() && widget->isEnabled() && !uncheckedOption) {
                expected.push_back(widget);
            }
        }
        // txtMatSize, three grids, y and x, the determinant, Solve, one
        // option, the Fractions box.
        const int stops = 1 + 3 * n * n + 2 * n + 4;
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(stops));
        EXPECT_EQ(tabCycle(), expected);
    }
}

// The never-shown working fields are texts without controls: nothing of
// them reaches the screen, the focus or a screen reader.
TEST_F(Gui, WorkingFieldsAreTextsWithoutControls) {
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(edit(txtDetRow(i)), nullptr);
        EXPECT_EQ(edit(txtDetCol(i)), nullptr);
    }
    // Three grids, the vector, the solution, the dimension and the determinant,
    // once each member has been asked for (a member gets its control then,
    // or when it is first shown or written).
    for (const design::FieldDesign& entry : design::kFields) {
        for (const int k : design::Members(entry.field)) {
            (void)edit({entry.field, k});
        }
    }
    EXPECT_EQ(form().findChildren<FieldEdit*>().size(), 3 * 36 + 2 * 6 + 2);
    form().setText(txtDetRow(3), "-0.5");
    form().setText(txtDetCol(6), "1E+300");
    EXPECT_EQ(form().text(txtDetRow(3)), "-0.5");
    EXPECT_EQ(form().text(txtDetCol(6)), "1E+300");
    EXPECT_THROW((void)form().text(txtDetRow(7)), std::out_of_range);
    // A Solve fills them, as the minors grid needs.
    fillSystem();
    focus(form().solveButton());
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_NE(form().text(txtDetCol(1)), "");
}

TEST_F(Gui, TypingIntoAReadOnlyFieldChangesNothing) {
    for (const FieldId id : {txtSol(1), txtDeterminant, txtIM(11), txtMinMat(22)}) {
        SCOPED_TRACE(id.index);
        focus(edit(id));  // first: leaving the dimension field resets the results
        form().setText(id, "7.25");
        QTest::keyClicks(focused(), "123");
        QTest::keyClick(focused(), Qt::Key_Backspace);
        QTest::keyClick(focused(), Qt::Key_Home);
        QTest::keyClick(focused(), Qt::Key_Delete);
        EXPECT_EQ(form().text(id), "7.25");
        // It can still be selected, e.g. to copy it.
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(edit(id)->selectedText(), "7.25");
    }
}

TEST_F(Gui, ReadOnlyFieldsKeepTheirColours) {
    for (const FieldId id : {txtSol(1), txtDeterminant, txtIM(11), txtMinMat(11)}) {
        const design::Rgb rgb = *design::Of(id.field).background;
        const QImage image = edit(id)->grab().toImage();
        EXPECT_EQ(image.pixelColor(image.rect().center() - QPoint(8, 0)),
                  QColor(rgb.red, rgb.green, rgb.blue))
            << static_cast<int>(id.field);
    }
}

// Typing over a focused entry replaces it, however long: never "589" from
// "-123456.789" and "5".
TEST_F(Gui, TabIntoACellSelectsItsWholeText) {
    form().setText(txtMat(11), "-123456.789");
    focus(edit(txtMatSize));
    tab();
    ASSERT_EQ(focused(), edit(txtMat(11)));
    EXPECT_EQ(edit(txtMat(11))->selectedText(), "-123456.789");
    QTest::keyClicks(edit(txtMat(11)), "5");
    EXPECT_EQ(form().text(txtMat(11)), "5");

    form().setText(txtY(1), "2");
    focus(edit(txtMat(33)));
    tab();
    ASSERT_EQ(focused(), edit(txtY(1)));
    EXPECT_EQ(edit(txtY(1))->selectedText(), "2");
}

TEST_F(Gui, ClickIntoACellSelectsItsWholeText) {
    form().setText(txtMat(22), "123.456789012");
    form().setText(txtY(2), "-98765.4321");
    click(edit(txtMat(22)));
    ASSERT_EQ(focused(), edit(txtMat(22)));
    EXPECT_EQ(edit(txtMat(22))->selectedText(), "123.456789012");
    click(edit(txtY(2)));
    EXPECT_EQ(edit(txtY(2))->selectedText(), "-98765.4321");
    // A click into a field that already has the focus just places the cursor.
    click(edit(txtY(2)));
    EXPECT_FALSE(edit(txtY(2))->hasSelectedText());
}

TEST_F(Gui, DimensionFieldSelectsItsWholeTextAndReadsTheNInUse) {
    focus(edit(txtMat(11)));
    form().setText(txtMatSize, "12");
    tab(Qt::ShiftModifier);
    ASSERT_EQ(focused(), edit(txtMatSize));
    EXPECT_EQ(edit(txtMatSize)->selectedText(), "12");

    // Leaving it refuses 12 and applies 6: the field, the grids and N agree.
    expectMessage([] { tab(); }, "Larger than Maximum Matrix Dimension of 6",
                  "Matrix Dimension ERROR");
    EXPECT_EQ(form().text(txtMatSize), "6");
    EXPECT_EQ(form().logic().n(), 6);
    EXPECT_FALSE(edit(txtMat(66))->isHidden());

    // 2.5 is applied as 2 and reads 2; typed over, it becomes what is typed.
    form().setText(txtMatSize, "2.5");
    click(edit(txtMatSize));
    ASSERT_EQ(focused(), edit(txtMatSize));
    EXPECT_EQ(edit(txtMatSize)->selectedText(), "2.5");
    tab();
    EXPECT_EQ(form().text(txtMatSize), "2");
    tab(Qt::ShiftModifier);
    QTest::keyClicks(edit(txtMatSize), "3");
    EXPECT_EQ(form().text(txtMatSize), "3");
}

TEST_F(Gui, LeavingTheDimensionFieldLaysTheWindowOut) {
    enterDimension("5");
    EXPECT_EQ(form().logic().n(), 5);
    EXPECT_FALSE(edit(txtMat(55))->isHidden());
    EXPECT_TRUE(edit(txtMat(66))->isHidden());
    EXPECT_EQ(focused(), edit(txtMat(11)));
}

TEST_F(Gui, DeactivatingTheWindowNeitherLaysOutNorResets) {
    focus(edit(txtMatSize));
    form().setText(txtMatSize, "5");
    form().setText(txtSol(1), "42");

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(form().logic().n(), 3);
    EXPECT_EQ(form().text(txtSol(1)), "42");
    EXPECT_TRUE(edit(txtMat(44))->isHidden());

    // Coming back is no new arrival either: the selection is left as it was.
    edit(txtMatSize)->setCursorPosition(1);
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    EXPECT_EQ(focused(), edit(txtMatSize));
    EXPECT_FALSE(edit(txtMatSize)->hasSelectedText());
    EXPECT_EQ(form().logic().n(), 3);

    // A real move applies the new dimension and resets the results.
    tab();
    EXPECT_EQ(form().logic().n(), 5);
    EXPECT_EQ(form().text(txtSol(1)), "");
}

TEST_F(Gui, TheContextMenuNeitherLaysOutNorResets) {
    focus(edit(txtMatSize));
    form().setText(txtMatSize, "5");
    form().setText(txtSol(1), "42");

    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, edit(txtMatSize)->rect().center(),
                                  edit(txtMatSize)->mapToGlobal(edit(txtMatSize)->rect().center()));
    QCoreApplication::sendEvent(edit(txtMatSize), &menuRequest);
    // The field sees the focus go to the menu and come back.
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    EXPECT_EQ(form().logic().n(), 3);
    EXPECT_EQ(form().text(txtSol(1)), "42");

    QApplication::activePopupWidget()->close();
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    EXPECT_TRUE(edit(txtMatSize)->hasFocus());
    EXPECT_EQ(form().logic().n(), 3);
    EXPECT_EQ(form().text(txtSol(1)), "42");
}

TEST_F(Gui, OptionButtonsFormOneExclusiveGroup) {
    fillSystem();
    ASSERT_TRUE(form().isOptionSelected(0));
    EXPECT_EQ(form().label(3)->text(), "Matrix of Determinants");

    click(form().option(1));
    EXPECT_TRUE(form().isOptionSelected(1));
    EXPECT_FALSE(form().isOptionSelected(0));
    EXPECT_EQ(form().label(3)->text(), "Matrix of Minors");

    click(form().option(0));
    EXPECT_TRUE(form().isOptionSelected(0));
    EXPECT_FALSE(form().isOptionSelected(1));
    EXPECT_EQ(form().label(3)->text(), "Matrix of Determinants");

    // Choosing with the arrow keys is a click too.
    focus(form().option(0));
    QTest::keyClick(focused(), Qt::Key_Down);
    EXPECT_TRUE(form().isOptionSelected(1));
    EXPECT_EQ(form().label(3)->text(), "Matrix of Minors");
}

TEST_F(Gui, ClickingTheSelectedOptionAgainChangesNothing) {
    fillSystem();
    focus(form().option(0));          // leaving the dimension field resets the results
    form().setText(txtMat(11), "x");  // a run would report it
    form().setText(txtMinMat(11), "kept");
    click(form().option(0));
    EXPECT_TRUE(form().isOptionSelected(0));
    EXPECT_EQ(form().text(txtMinMat(11)), "kept");
}

TEST_F(Gui, RefusedCoefficientIsHandedBackWithTheFocus) {
    fillSystem();
    form().setText(txtMat(23), "abcdefghijkl");
    const std::vector<Box> boxes = messagesDuring([this] { click(form().solveButton()); });
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_TRUE(boxes[0].noIcon);
    QTest::qWait(20);
    EXPECT_EQ(focused(), edit(txtMat(23)));
    // All of it, longer than what a got-focus selects.
    EXPECT_EQ(edit(txtMat(23))->selectedText(), "abcdefghijkl");
}

TEST_F(Gui, EnterOrEscapeInAFieldDoesNotPressSolve) {
    fillSystem();
    focus(edit(txtMat(11)));
    QTest::keyClick(focused(), Qt::Key_Return);
    QTest::keyClick(focused(), Qt::Key_Enter);
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_EQ(form().text(txtDeterminant), "");
    EXPECT_FALSE(form().solveButton()->isDefault());
}

TEST_F(Gui, EnterAndSpaceOnTheFocusedSolveButtonPressIt) {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Enter, Qt::KeypadModifier},
    };
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(key);
        fillSystem();
        focus(form().solveButton());
        form().setText(txtDeterminant, "");
        QTest::keyClick(focused(), key, modifiers);
        EXPECT_EQ(form().text(txtDeterminant), "-1");  // det [[2 1 1] [1 3 2] [1 0 0]]
        EXPECT_EQ(focused(), form().solveButton());
    }
    // Enter with Ctrl is no press.
    form().setText(txtDeterminant, "");
    QTest::keyClick(focused(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(form().text(txtDeterminant), "");
}

// Types into the focused field, as the user does, and leaves it with Tab.
void TypeAndTab(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

TEST_F(Gui, TypingASystemAndPressingSolveShowsEveryResult) {
    enterDimension("2");  // leaves the focus in txtMat(11)
    ASSERT_EQ(focused(), edit(txtMat(11)));
    for (const char* entry : {"2", "1", "1", "3", "3", "5"}) {
        TypeAndTab(QString::fromLatin1(entry));  // A row by row, then y
    }
    ASSERT_EQ(focused(), form().solveButton());
    QTest::keyClick(focused(), Qt::Key_Space);

    EXPECT_EQ(form().text(txtDeterminant), "5");
    EXPECT_EQ(form().text(txtIM(11)), ".600");
    EXPECT_EQ(form().text(txtIM(12)), "-.200");
    EXPECT_EQ(form().text(txtIM(21)), "-.200");
    EXPECT_EQ(form().text(txtIM(22)), ".400");
    EXPECT_EQ(form().text(txtSol(1)), "0.8");
    EXPECT_EQ(form().text(txtSol(2)), "1.4");
    EXPECT_EQ(form().text(txtMinMat(12)), "1");

    // Switching the grid keeps the other results.
    click(form().option(1));
    EXPECT_EQ(form().text(txtMinMat(11)), "6");
    EXPECT_EQ(form().text(txtMinMat(12)), "-1");
    EXPECT_EQ(form().text(txtDeterminant), "5");
    EXPECT_EQ(form().text(txtSol(2)), "1.4");
}

// The box tells the answer; the inverse cells are empty and say why; the
// solution row holds the general solution, its tooltip the whole line.
TEST_F(Gui, AZeroDeterminantIsAnsweredAndNoInverseStandsInTheGrid) {
    enterDimension("2");
    for (const auto& [k, text] : {std::pair{11, "0.1"}, {12, "0.2"}, {21, "0.3"}, {22, "0.6"}}) {
        form().setText(txtMat(k), text);
    }
    form().setText(txtY(1), "1");
    form().setText(txtY(2), "3");
    const std::vector<Box> boxes = messagesDuring([this] { click(form().solveButton()); });
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, "Inverse Matrix NOT Solvable, Check for Proportionate ROWS");
    EXPECT_EQ(boxes[0].title, "ZERO Determinant");
    EXPECT_EQ(boxes[0].informative,
              "Infinitely many solutions, 1 free parameter: x = (10, 0) + t\u00B7(-2, 1).");
    EXPECT_EQ(form().text(txtDeterminant), "0");
    EXPECT_EQ(form().text(txtIM(11)), "");
    EXPECT_EQ(ToolTipOf(edit(txtIM(12))), "A is singular (rank 1 of 2).");
    EXPECT_EQ(form().text(txtSol(1)), "10-2t");
    EXPECT_EQ(ToolTipOf(edit(txtSol(1))),
              "10-2t\nInfinitely many solutions, 1 free parameter: x = (10, 0) + t\u00B7(-2, 1).");
    EXPECT_EQ(edit(txtSol(2))->accessibleDescription(),
              "t\nInfinitely many solutions, 1 free parameter: x = (10, 0) + t\u00B7(-2, 1).");

    form().setText(txtY(2), "4");
    const std::vector<Box> none = messagesDuring([this] { click(form().solveButton()); });
    ASSERT_EQ(none.size(), 1U);
    EXPECT_EQ(none[0].informative, "No solution: 3\u00B7row 1 - row 2 gives 0 = -1.");
    EXPECT_EQ(form().text(txtSol(1)), "");
    EXPECT_EQ(ToolTipOf(edit(txtSol(1))), "No solution: 3\u00B7row 1 - row 2 gives 0 = -1.");
}

TEST_F(Gui, ANumberTooLongForItsFieldShowsWholeInItsTooltip) {
    focus(form().solveButton());
    form().setText(txtSol(1), "1.23456789012346E+15");
    EXPECT_EQ(ToolTipOf(edit(txtSol(1))), "1.23456789012346E+15");
    form().setText(txtSol(1), "4");
    EXPECT_EQ(ToolTipOf(edit(txtSol(1))), "");
    // With the focus, the whole text may not fit between the edit's margins.
    form().setText(txtMat(11), "-123456.789");
    focus(edit(txtMat(11)));
    EXPECT_EQ(ToolTipOf(edit(txtMat(11))), "-123456.789");
}

// The widest text in the inside of a field's frame, in the field's font.
int InsideWidth(const FieldEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    return field->width() - 2 * option.lineWidth;
}

struct LongNumber {
    FieldId id;
    const char* text;
    const char* shown;  // in 8-point Liberation Sans, as deps.sh installs it
};

TEST_F(Gui, LongNumbersShowRoundedInEveryKindOfField) {
    enterDimension("6");
    focus(form().solveButton());
    const std::vector<LongNumber> rows = {
        {txtMat(11), "-123456.789", "-1E+05"},
        {txtMat(66), "0.333333333333333", "0.3333"},
        {txtY(6), "-654321.987", "-7E+05"},
        {txtSol(1), "0.666666666666667", "0.6667"},
        {txtDeterminant, "5.3613458186804E+34", "5.36E+34"},
        {txtIM(11), "-12345.679", "-12345.7"},  // bold
        {txtMinMat(11), "5.3613458186804E+34", "5E+34"},
        {txtMinMat(66), "-2.3456789E+33", "-2E+33"},
        {txtMatSize, "123456", "##"},  // not even 1E+05 fits
    };
    for (const LongNumber& row : rows) {
        SCOPED_TRACE(row.text);
        form().setText(row.id, row.text);
        FieldEdit* field = edit(row.id);
        EXPECT_EQ(field->shownText(), row.shown);
        EXPECT_TRUE(field->textHidden());
        EXPECT_LE(field->fontMetrics().horizontalAdvance(field->shownText()), InsideWidth(field));
        // Everything but the drawing keeps the whole text.
        EXPECT_EQ(form().text(row.id), row.text);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Value), row.text);
    }
}

TEST_F(Gui, AFieldWithTheFocusShowsAndEditsItsWholeText) {
    form().setText(txtMat(12), "0.333333333333333");
    focus(edit(txtMat(12)));
    EXPECT_EQ(edit(txtMat(12))->shownText(), "0.333333333333333");
    QTest::keyClick(focused(), Qt::Key_End);
    QTest::keyClicks(focused(), "9");
    EXPECT_EQ(form().text(txtMat(12)), "0.3333333333333339");
    tab();
    EXPECT_EQ(edit(txtMat(12))->shownText(), "0.3333");
}

TEST_F(Gui, TextsThatFitAreShownWholeAndOtherTextsCut) {
    focus(form().solveButton());
    form().setText(txtSol(2), "-12.5");
    EXPECT_EQ(edit(txtSol(2))->shownText(), "-12.5");
    EXPECT_FALSE(edit(txtSol(2))->textHidden());
    form().setText(txtSol(2), "12abcdefgh");
    EXPECT_TRUE(QStringLiteral("12abcdefgh").startsWith(edit(txtSol(2))->shownText()));
    EXPECT_LT(edit(txtSol(2))->shownText().size(), 10);
    EXPECT_TRUE(edit(txtSol(2))->textHidden());
}

bool IsDark(QColor colour) {
    return colour.red() < 80 && colour.green() < 80 && colour.blue() < 80;
}

TEST_F(Gui, ARoundedNumberIsMarkedAndDrawnToTheRightEdge) {
    focus(form().solveButton());
    FieldEdit* field = edit(txtSol(1));
    const QPoint corner(2, 2);  // inside the one-pixel frame
    form().setText(txtSol(1), "2");
    const QColor background = field->grab().toImage().pixelColor(corner);
    form().setText(txtSol(1), "0.333333333333333");
    const QImage image = field->grab().toImage();
    const QColor mark = image.pixelColor(corner);
    EXPECT_NE(mark, background);
    EXPECT_GT(mark.red(), 2 * mark.green());  // red
    // The last digit ends at the frame, not at QLineEdit's inner margin.
    int rightmost = -1;
    for (int x = 0; x < image.width() - 1; ++x) {
        for (int y = 3; y < image.height() - 3; ++y) {
            if (IsDark(image.pixelColor(x, y))) {
                rightmost = x;
            }
        }
    }
    EXPECT_GE(rightmost, image.width() - 4);
}

// A desktop theme's dark palette, in force while it lives.
class DarkDesktop {
public:
    DarkDesktop() : m_saved(QApplication::palette()) {
        QPalette dark(QColor(60, 60, 60), QColor(40, 40, 40));  // light text on dark
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() { QApplication::setPalette(m_saved); }
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

private:
    QPalette m_saved;
};

// How many pixels of the widget are near black, and how many near white;
// `skip` pixels at the left are left out.
std::pair<int, int> DarkAndLightPixels(QWidget* widget, int skip = 0) {
    const QImage image = widget->grab().toImage();
    int dark = 0;
    int light = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = skip; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            dark += IsDark(colour) ? 1 : 0;
            light += colour.red() > 225 && colour.green() > 225 && colour.blue() > 225 ? 1 : 0;
        }
    }
    return {dark, light};
}

TEST(Colours, ADarkDesktopPaletteLeavesTheWindowBlackOnLight) {
    const DarkDesktop desktop;
    ASSERT_GT(QApplication::palette().color(QPalette::WindowText).lightness(), 200);
    QtForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    // Labels and option captions on the mint picture, which has no white;
    // the option's round indicator, left of its caption, is white inside.
    const std::pair<QWidget*, int> texts[] = {
        {form.label(6), 0}, {form.label(3), 0}, {form.option(0), 20}};
    for (const auto& [widget, skip] : texts) {
        const auto [dark, light] = DarkAndLightPixels(widget, skip);
        EXPECT_GT(dark, 20) << widget->accessibleName().toStdString();
        EXPECT_EQ(light, 0) << widget->accessibleName().toStdString();
    }
    // The button is light, with black text.
    const QImage button = form.solveButton()->grab().toImage();
    EXPECT_GT(button.pixelColor(6, button.height() / 2).lightness(), 200);
    EXPECT_GT(DarkAndLightPixels(form.solveButton()).first, 10);
    // A field: white with black text.
    form.setText(txtMat(11), "888");
    const QImage field = form.field(txtMat(11))->grab().toImage();
    EXPECT_EQ(field.pixelColor(4, field.height() / 2), QColor(Qt::white));
    EXPECT_GT(DarkAndLightPixels(form.field(txtMat(11))).first, 10);
}

std::string AccessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
}

bool AccessiblyInvisible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->state().invisible;
}

TEST_F(Gui, ControlsHaveAccessibleNames) {
    const std::pair<FieldId, const char*> fields[] = {
        {txtMatSize, "Matrix Dimension"},
        {txtMat(23), "Coefficient row 2 column 3"},
        {txtY(4), "Vector row 4"},
        {txtSol(2), "Solution column 2"},
        {txtDeterminant, "Determinant"},
        {txtIM(31), "Inverse row 3 column 1"},
        {txtMinMat(12), "Minors grid row 1 column 2"},
    };
    for (const auto& [id, name] : fields) {
        EXPECT_EQ(AccessibleName(edit(id)), name);
    }
    EXPECT_EQ(AccessibleName(form().solveButton()), "Solve");
    EXPECT_EQ(AccessibleName(form().option(0)), "Determinants");
    EXPECT_EQ(AccessibleName(form().option(1)), "Minors");
    EXPECT_EQ(AccessibleName(form().label(1)), "Matrix Dimension");
    EXPECT_EQ(AccessibleName(form().label(8)), "www.velmora.example");
}

TEST_F(Gui, TheWindowIsAFrameNamedAfterTheProgram) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Velmora");
}

// Results can be read and selected, never edited; inputs are editable.
TEST_F(Gui, ReadOnlyFieldsAreNotEditable) {
    const std::pair<FieldId, bool> fields[] = {
        {txtSol(1), true},   {txtDeterminant, true}, {txtIM(11), true}, {txtMinMat(23), true},
        {txtMatSize, false}, {txtMat(11), false},    {txtY(2), false},
    };
    for (const auto& [id, readOnly] : fields) {
        SCOPED_TRACE(AccessibleName(edit(id)));
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(edit(id));
        EXPECT_EQ(view->role(), QAccessible::EditableText);
        EXPECT_EQ(view->state().readOnly, readOnly);
        EXPECT_EQ(view->state().editable, !readOnly);
        EXPECT_EQ(view->editableTextInterface() == nullptr, readOnly);
        ASSERT_NE(view->textInterface(), nullptr);
        form().setText(id, "-3.25");
        EXPECT_EQ(view->text(QAccessible::Value), "-3.25");
        EXPECT_EQ(view->textInterface()->text(1, 3), "3.");
        EXPECT_EQ(view->textInterface()->characterCount(), 5);
    }
}

// What the tooltip adds, a screen reader gets as the description: the
// inverse at full precision, where the cell shows three decimals.
TEST_F(Gui, AResultDescribesItsFullPrecisionValue) {
    const char* const a[2][2] = {{"3", "0"}, {"0", "1"}};
    enterDimension("2");
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 2; ++c) {
            form().setText(txtMat(10 * r + c), a[r - 1][c - 1]);
        }
        form().setText(txtY(r), "1");
    }
    focus(form().solveButton());
    QTest::keyClick(focused(), Qt::Key_Space);
    const auto description = [this](FieldId id) {
        return QAccessible::queryAccessibleInterface(edit(id))->text(QAccessible::Description);
    };
    EXPECT_EQ(form().text(txtIM(11)), ".333");
    EXPECT_EQ(description(txtIM(11)), "0.333333333333333\nexactly 1/3");
    EXPECT_EQ(description(txtIM(12)), "0");
    EXPECT_EQ(description(txtSol(1)), "0.333333333333333\nexactly 1/3");
    EXPECT_EQ(description(txtDeterminant), "3");
    // In fractions, the decimal value.
    form().fractionsBox()->click();
    EXPECT_EQ(form().text(txtIM(11)), "1/3");
    EXPECT_EQ(description(txtIM(11)), "0.333333333333333");
    EXPECT_EQ(description(txtIM(22)), "1");
    EXPECT_EQ(description(txtMat(11)), "");  // an input read whole says nothing more
}

// A caption beside its field is the field's label for a screen reader.
TEST_F(Gui, CaptionsLabelTheirFields) {
    const std::pair<FieldId, int> captions[] = {{txtMatSize, 1}, {txtDeterminant, 4}};
    for (const auto& [id, number] : captions) {
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(edit(id));
        const auto labels = view->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1U) << number;
        EXPECT_EQ(labels[0].first->object(), form().label(number));
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(edit(txtMat(11)))
                    ->relations(QAccessible::Label)
                    .empty());
}

TEST_F(Gui, HiddenControlsAreHiddenFromAssistiveTechnology) {
    EXPECT_TRUE(AccessiblyInvisible(edit(txtMat(44))));
    EXPECT_TRUE(AccessiblyInvisible(edit(txtY(6))));
    EXPECT_FALSE(AccessiblyInvisible(edit(txtMat(33))));
    enterDimension("4");
    EXPECT_FALSE(AccessiblyInvisible(edit(txtMat(44))));
}

TEST_F(Gui, MembersOutsideTheArraysDoNotExist) {
    EXPECT_THROW((void)form().field(txtMat(17)), std::out_of_range);
    EXPECT_THROW((void)form().field(txtY(0)), std::out_of_range);
    EXPECT_THROW(form().setText(txtIM(70), "1"), std::out_of_range);
    EXPECT_THROW((void)form().option(2), std::out_of_range);
    EXPECT_NO_THROW((void)form().field(txtMinMat(66)));
}

// Task switchers match the window to its menu entry by the desktop file name
// and show its icon: the installed drawing as the build rendered it, at each
// size the same as rendered anew, with the window's mint field inside its
// edge and a black bracket.
TEST_F(Gui, WindowCarriesTheApplicationsIconAndDesktopEntry) {
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.example.Velmora");
    const QIcon icon = form().windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
        const QImage drawing = RenderIcon(
            QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/org.example.Velmora.svg"), size);
        ASSERT_EQ(shown.size(), drawing.size());
        EXPECT_TRUE(shown.convertToFormat(drawing.format()) == drawing);
    }
    const QImage small = icon.pixmap(QSize(16, 16), 1.0).toImage();
    const design::Rgb mint = design::kPictureGreen;
    EXPECT_EQ(small.pixelColor(8, 1), QColor(mint.red, mint.green, mint.blue));
    EXPECT_EQ(small.pixelColor(2, 8), QColor(Qt::black));
}

// The picture behind the controls is rendered into a pixmap as the
// window is built, and loads no font of its own: its formulae are outlines.
TEST_F(Gui, BackgroundPictureDrawsNoText) {
    QFile file(QStringLiteral(":/velmora/background.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    int paths = 0;
    std::vector<std::string> textual;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QString name = svg.name().toString();
        paths += name == QLatin1String("path") ? 1 : 0;
        for (const char* element : {"text", "tspan", "textArea", "font", "font-face"}) {
            if (name == QLatin1String(element)) {
                textual.emplace_back(element);
            }
        }
        if (svg.attributes().hasAttribute(QStringLiteral("font-family"))) {
            textual.push_back("font-family on " + name.toStdString());
        }
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(textual, std::vector<std::string>{});
    EXPECT_GT(paths, 25);  // at least one outline for each of the former texts
}

// "Show Steps" under Solve, the same size, next in the tab order, enabled
// once a Solve has read the system; its window follows every Solve and
// closes on Escape.
TEST_F(Gui, ShowStepsOpensTheStepsWindowOfTheLastSolve) {
    QPushButton* steps = form().stepsButton();
    EXPECT_FALSE(steps->isEnabled());
    EXPECT_EQ(steps->size(), form().solveButton()->size());
    EXPECT_EQ(steps->x(), form().solveButton()->x());
    EXPECT_GT(steps->y(), form().solveButton()->y());
    for (const auto& [k, text] : {std::pair{11, "2"},
                                  {12, "1"},
                                  {13, "0"},
                                  {21, "1"},
                                  {22, "3"},
                                  {23, "1/3"},
                                  {31, "0"},
                                  {32, "1"},
                                  {33, "4"}}) {
        form().setText(txtMat(k), text);
    }
    click(form().solveButton());
    ASSERT_TRUE(steps->isEnabled());
    EXPECT_EQ(form().solveButton()->nextInFocusChain(), steps);

    focus(steps);
    QTest::keyClick(steps, Qt::Key_Return);
    StepsWindow* window = form().stepsWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QString first = window->plainText();
    EXPECT_TRUE(first.startsWith(QStringLiteral("Solution")));
    EXPECT_TRUE(first.contains(QStringLiteral("Inverse")));
    EXPECT_TRUE(first.contains(QStringLiteral("Determinant")));

    // Refreshed by the next Solve while open.
    form().setText(txtMat(33), "5");
    click(form().solveButton());
    EXPECT_NE(window->plainText(), first);
    EXPECT_EQ(form().stepsWindow(), window);  // one per main window

    window->activateWindow();
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace velmora
