// What a field of the real window shows when it takes the focus: its
// beginning, never its tail; a result keeps its fitted text, selected whole.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <cmath>
#include <string>

#include "app/qt/field_edit.h"
#include "app/qt/qt_form.h"
#include "gui_fixture.h"

namespace velmora {
namespace {

using testing_support::Gui;
using testing_support::ToolTipOf;

enum class Arrival { tab, click, rightClick };

const char* ArrivalName(Arrival how) {
    switch (how) {
        case Arrival::tab:
            return "tab";
        case Arrival::click:
            return "click";
        case Arrival::rightClick:
            return "right click";
    }
    return "";
}

class FieldView : public Gui {
protected:
    // Gives `id` the focus from the control before it in the tab order, by
    // a click, or by a right click whose menu is closed again.
    void arrive(FieldId id, Arrival how) {
        FieldEdit* field = edit(id);
        switch (how) {
            case Arrival::tab: {
                QWidget* before = field->previousInFocusChain();
                while (!before->isVisible() || !(before->focusPolicy() & Qt::TabFocus)) {
                    before = before->previousInFocusChain();
                }
                before->setFocus(Qt::OtherFocusReason);
                tab();
                break;
            }
            case Arrival::click:
                click(field);
                break;
            case Arrival::rightClick: {
                // The press brings the focus; the platform then asks for the menu.
                const QPoint at = field->rect().center();
                QTest::mousePress(field, Qt::RightButton, Qt::NoModifier, at);
                QContextMenuEvent request(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
                QCoreApplication::sendEvent(field, &request);
                QWidget* menu = nullptr;
                EXPECT_TRUE(QTest::qWaitFor([&menu] {
                    menu = QApplication::activePopupWidget();
                    return menu != nullptr;
                }));
                if (menu != nullptr) {
                    menu->close();
                }
                EXPECT_TRUE(
                    QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
                break;
            }
        }
        ASSERT_EQ(focused(), field);
        (void)field->grab();  // a line edit settles its scrolling as it paints
    }
};

// Where the line edit draws its cursor, scrolled as it is.
int CursorX(const FieldEdit* field) {
    return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

struct EditedCell {
    FieldId id;
    const char* text;
};

// The cursor stands at the start of the selection, and the view with it:
// the cursor is drawn at the inside's left edge.
TEST_F(FieldView, AnInputCellShowsItsBeginning) {
    const EditedCell cells[] = {
        {txtMat(22), "0.333333333333333"},
        {txtY(2), "-3.33333333333334"},
        {txtMat(13), "123456789012345678"},
    };
    for (const Arrival how : {Arrival::tab, Arrival::click}) {
        for (const EditedCell& cell : cells) {
            SCOPED_TRACE(std::string(cell.text) + " by " + ArrivalName(how));
            FieldEdit* field = edit(cell.id);
            form().setText(cell.id, cell.text);
            arrive(cell.id, how);
            EXPECT_EQ(field->selectedText(), cell.text);
            EXPECT_EQ(field->cursorPosition(), 0);
            EXPECT_LE(CursorX(field), field->contentsRect().left() + 6);
            // Typing replaces the whole entry.
            QTest::keyClicks(field, "7");
            EXPECT_EQ(form().text(cell.id), "7");
        }
    }
}

// Moving the cursor works as in any line edit: End shows the tail.
TEST_F(FieldView, TheCursorKeysStillScroll) {
    FieldEdit* field = edit(txtMat(22));
    form().setText(txtMat(22), "0.333333333333333");
    arrive(txtMat(22), Arrival::tab);
    QTest::keyClick(field, Qt::Key_End);
    (void)field->grab();
    EXPECT_EQ(field->cursorPosition(), 17);
    EXPECT_GE(CursorX(field), field->contentsRect().right() - 6);
}

struct Result {
    FieldId id;
    const char* text;
};

// A result with the focus draws what it draws without it, which reads as
// its number: never a tail such as "333334".
TEST_F(FieldView, AFocusedResultShowsItsFittedTextSelectedWhole) {
    const Result results[] = {
        {txtSol(1), "-3.33333333333334"},
        {txtDeterminant, "-3.33333333333334"},
        {txtIM(22), "0.333333333333333"},
        {txtMinMat(12), "123456.789012345"},
    };
    for (const Arrival how : {Arrival::tab, Arrival::click, Arrival::rightClick}) {
        for (const Result& result : results) {
            SCOPED_TRACE(std::string(result.text) + " by " + ArrivalName(how));
            focus(form().solveButton());  // not the dimension field: leaving it resets
            form().setText(result.id, result.text);
            FieldEdit* field = edit(result.id);
            const QString unfocused = field->shownText();
            const QImage before = field->grab().toImage();
            arrive(result.id, how);

            EXPECT_EQ(field->shownText(), unfocused);
            const double shown = std::stod(field->shownText().toStdString());
            const double value = std::stod(result.text);
            EXPECT_LT(std::abs(shown - value), 1e-3 * std::abs(value))
                << field->shownText().toStdString();
            EXPECT_EQ(field->selectedText().toStdString(), result.text);
            EXPECT_NE(field->grab().toImage(), before);  // the focus frame and highlight
            QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), result.text);
        }
    }
}

// Selecting part of a result shows the text itself, as a line edit does.
TEST_F(FieldView, SelectingPartOfAResultShowsItsText) {
    focus(form().solveButton());
    form().setText(txtSol(1), "-3.33333333333334");
    arrive(txtSol(1), Arrival::tab);
    QTest::keyClick(edit(txtSol(1)), Qt::Key_Home);
    QTest::keyClick(edit(txtSol(1)), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(edit(txtSol(1))->selectedText(), "-");
    EXPECT_EQ(edit(txtSol(1))->shownText(), "-3.33333333333334");
}

bool IsAmber(QColor colour) {
    return colour.red() > 180 && colour.green() > 100 && colour.green() < 200 && colour.blue() < 80;
}

// Pixels along the bottom of the inside of the frame that are amber.
int AmberPixels(QWidget* field) {
    const QImage image = field->grab().toImage();
    int amber = 0;
    for (int y = image.height() - 5; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            amber += IsAmber(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return amber;
}

struct Reading {
    const char* text;
    const char* note;  // nullptr: read whole, no mark
};

// A vector cell read only in part is underlined in amber and says in its
// tooltip and to a screen reader what is used; the text itself stays.
TEST_F(FieldView, AVectorCellReadInPartSaysWhatIsUsed) {
    const Reading readings[] = {
        {"12abc", "Read as 12"}, {"abc", "Read as 0"}, {"1,5", "Read as 1"}, {"12", nullptr},
        {"", nullptr},           {"1 000", nullptr},   {"1/3", nullptr},
    };
    for (const bool focusedCell : {false, true}) {
        for (const Reading& reading : readings) {
            SCOPED_TRACE(std::string(reading.text) + (focusedCell ? " focused" : ""));
            FieldEdit* field = edit(txtY(2));
            if (focusedCell) {
                focus(field);
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(field, Qt::Key_Delete);
                QTest::keyClicks(field, reading.text);  // typed, as the user does
            } else {
                focus(form().solveButton());
                form().setText(txtY(2), reading.text);
            }
            EXPECT_EQ(form().text(txtY(2)), reading.text);
            const QString text = QString::fromUtf8(reading.text);
            if (reading.note != nullptr) {
                const QString note = QString::fromUtf8(reading.note);
                EXPECT_GT(AmberPixels(field), field->width() / 2);
                EXPECT_EQ(ToolTipOf(field), text + '\n' + note);
                EXPECT_EQ(
                    QAccessible::queryAccessibleInterface(field)->text(QAccessible::Description),
                    note);
            } else {
                EXPECT_EQ(AmberPixels(field), 0);
                EXPECT_EQ(ToolTipOf(field), QString());
                EXPECT_EQ(
                    QAccessible::queryAccessibleInterface(field)->text(QAccessible::Description),
                    QString());
            }
            // Not the red corner of a rounded number.
            const QColor corner = field->grab().toImage().pixelColor(2, 2);
            EXPECT_FALSE(corner.red() > 2 * corner.green()) << corner.name().toStdString();
        }
    }
}

// Only the vector is read leniently: a coefficient is read strictly, and
// Solve refuses it instead.
TEST_F(FieldView, OtherFieldsCarryNoReadingMark) {
    focus(form().solveButton());
    for (const FieldId id : {txtMat(11), txtSol(1), txtIM(12)}) {
        form().setText(id, "12abc");
        EXPECT_EQ(AmberPixels(edit(id)), 0) << id.index;
        EXPECT_FALSE(edit(id)->hasReadingNote());
    }
}

}  // namespace
}  // namespace velmora
