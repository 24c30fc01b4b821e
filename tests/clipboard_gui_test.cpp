// Pasting blocks into the real window by every way Qt pastes, undoing a
// paste, and copying the grids out through the fields' context menus.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <cstdio>
#include <optional>

#include "blocktext/block_text.h"
#include "gui_fixture.h"

namespace velmora {
namespace {

using testing_support::Box;
using testing_support::Gui;
using testing_support::ToolTipOf;

enum class Way { ctrlV, shiftInsert, menu, drop, middleButton };

std::string WayName(Way way) {
    switch (way) {
        case Way::ctrlV:
            return "CtrlV";
        case Way::shiftInsert:
            return "ShiftInsert";
        case Way::menu:
            return "Menu";
        case Way::drop:
            return "Drop";
        case Way::middleButton:
            return "MiddleButton";
    }
    return {};
}

enum class Opening { mouse, menuKey, shiftF10 };

QMenu* OpenMenu(QWidget* field, Opening how) {
    switch (how) {
        case Opening::mouse: {
            const QPoint at = field->rect().center();
            QContextMenuEvent request(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
            QCoreApplication::sendEvent(field, &request);
            break;
        }
        case Opening::menuKey:
            QTest::keyClick(field, Qt::Key_Menu);
            break;
        case Opening::shiftF10:
            QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier);
            break;
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* Entry(const QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == text ||
            action->objectName() == text) {
            return action;
        }
    }
    return nullptr;
}

void CloseMenu(QMenu* menu) {
    menu->close();
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
}

// Chooses the entry of the field's context menu; false when it is missing
// or disabled.
bool Choose(QWidget* field, const QString& entry, Opening how = Opening::mouse) {
    QMenu* menu = OpenMenu(field, how);
    if (menu == nullptr) {
        return false;
    }
    QAction* action = Entry(menu, entry);
    const bool enabled = action != nullptr && action->isEnabled();
    if (enabled) {
        action->trigger();
    }
    CloseMenu(menu);
    return enabled;
}

// Pastes the clipboard's text (or drops it) into `target` as the user would.
void PasteInto(QLineEdit* target, Way way, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    switch (way) {
        case Way::ctrlV:
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            break;
        case Way::shiftInsert:
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Way::menu:
            if (qobject_cast<FieldEdit*>(target) != nullptr) {
                EXPECT_TRUE(Choose(target, QStringLiteral("edit-paste")));
            } else {
                target->paste();
            }
            break;
        case Way::drop: {
            QMimeData data;
            data.setText(text);
            // As a drag arrives: it enters, moves, and drops.
            const QPoint at = target->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &enter);
            QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
            QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &drop);
            break;
        }
        case Way::middleButton:
            QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
            QTest::mouseClick(target, Qt::MiddleButton, Qt::NoModifier, target->rect().center());
            break;
    }
}

// What a plain line edit in the field's state does with the same paste:
// the behaviour a single text keeps.
QString PastedAsToday(const FieldEdit* field, Way way, const QString& text) {
    QWidget parent;
    QLineEdit plain(&parent);
    plain.setGeometry(field->geometry());
    plain.setFont(field->font());
    plain.setAlignment(field->alignment());
    plain.setText(field->text());
    if (field->hasSelectedText()) {
        plain.setSelection(field->selectionStart(), field->selectionLength());
    } else {
        plain.setCursorPosition(field->cursorPosition());
    }
    PasteInto(&plain, way, text);
    return plain.text();
}

class Clipboard : public Gui {
protected:
    // Distinct texts in every visible input cell.
    void fillDistinct() {
        for (int r = 1; r <= form().logic().n(); ++r) {
            for (int c = 1; c <= form().logic().n(); ++c) {
                form().setText(txtMat(10 * r + c), "a" + std::to_string(10 * r + c));
            }
            form().setText(txtY(r), "y" + std::to_string(r));
        }
    }

    // A and y as rows of the visible cells' texts, y last.
    [[nodiscard]] TextBlock system() const {
        TextBlock rows;
        for (int r = 1; r <= form().logic().n(); ++r) {
            auto& row = rows.emplace_back();
            for (int c = 1; c <= form().logic().n(); ++c) {
                row.push_back(form().text(txtMat(10 * r + c)));
            }
            row.push_back(form().text(txtY(r)));
        }
        return rows;
    }

    // The text "Copy Matrix" gives for the field.
    std::optional<QString> copied(FieldId id,
                                  const QString& entry = QStringLiteral("Copy Matrix")) {
        QGuiApplication::clipboard()->setText(QStringLiteral("nothing copied"));
        if (!Choose(edit(id), entry)) {
            return std::nullopt;
        }
        return QGuiApplication::clipboard()->text();
    }

    void solve() {
        EXPECT_TRUE(messagesDuring([this] { click(form().solveButton()); }).empty());
    }
};

struct PasteCase {
    const char* name;
    int n;
    std::string text;
    // The window afterwards: its dimension and its A | y; nothing when the
    // text goes in as one text, as a plain line edit takes it.
    int newN;
    std::optional<TextBlock> system;
    bool doesNotFit = false;
    // A single text goes in as a plain line edit takes this text (nullptr:
    // the pasted text itself).
    const char* oneText = nullptr;
};

void PrintTo(const PasteCase& c, std::ostream* out) {
    *out << c.name;
}
void PrintTo(Way way, std::ostream* out) {
    *out << WayName(way);
}

const std::vector<PasteCase> kPastes = {
    {"SpreadsheetTabsCrLf", 3, "1\t2\t3\r\n4\t5\t6\r\n7\t8\t9\r\n", 3,
     TextBlock{{"1", "2", "3", "y1"}, {"4", "5", "6", "y2"}, {"7", "8", "9", "y3"}}},
    {"EditorBlanksTrailingLf", 3, "1 2 3\n-4  5.5 6\n7 8 9\n", 3,
     TextBlock{{"1", "2", "3", "y1"}, {"-4", "5.5", "6", "y2"}, {"7", "8", "9", "y3"}}},
    {"Semicolons", 2, "1;2\n3;4", 2, TextBlock{{"1", "2", "y1"}, {"3", "4", "y2"}}},
    {"Augmented3x4", 3, "1\t2\t3\t10\n4\t5\t6\t11\n7\t8\t9\t12", 3,
     TextBlock{{"1", "2", "3", "10"}, {"4", "5", "6", "11"}, {"7", "8", "9", "12"}}},
    {"FourByFourAtN3", 3, "1\t2\t3\t4\n5\t6\t7\t8\n9\t1\t2\t3\n4\t5\t6\t7", 4,
     TextBlock{{"1", "2", "3", "4", "y1"},
               {"5", "6", "7", "8", "y2"},
               {"9", "1", "2", "3", "y3"},
               {"4", "5", "6", "7", ""}}},
    {"SevenBySeven", 3,
     BlockText(TextBlock(7, std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"})), 3,
     TextBlock{
         {"a11", "a12", "a13", "y1"}, {"a21", "a22", "a23", "y2"}, {"a31", "a32", "a33", "y3"}},
     true},
    {"BadToken", 2, "1\tx\n3\t4", 2, TextBlock{{"1", "x", "y1"}, {"3", "4", "y2"}}},
    {"SingleNumber", 3, "12.5", 3, std::nullopt},
    {"NumberWithBlanks", 3, "1 000", 3, std::nullopt},
    {"DecimalComma", 3, "1,5", 3, std::nullopt},
    {"TwoWords", 3, "2 3", 3, std::nullopt},
    {"NumberWithLineBreak", 3, "7\n", 3, std::nullopt, false, "7"},
    {"SpreadsheetCell", 3, "0.25\n", 3, std::nullopt, false, "0.25"},
    {"CellWithCrLf", 3, "2\r\n", 3, std::nullopt, false, "2"},
    {"CellWithCr", 3, "-1.5\r", 3, std::nullopt, false, "-1.5"},
    {"DecimalCommaColumn", 3, "1,5\n2,5\n", 3,
     TextBlock{
         {"1,5", "a12", "a13", "y1"}, {"2,5", "a22", "a23", "y2"}, {"a31", "a32", "a33", "y3"}}},
    {"CommaRowsAugmented", 3, "1,2,3\n4,5,6\n", 2, TextBlock{{"1", "2", "3"}, {"4", "5", "6"}}},
    {"BlankRowsBringTheirDimension", 3, "1 2\n3 4\n", 2,
     TextBlock{{"1", "2", "y1"}, {"3", "4", "y2"}}},
};

class PasteWays : public Clipboard,
                  public testing::WithParamInterface<std::tuple<PasteCase, Way>> {};

TEST_P(PasteWays, FillCellsOrInsertOneText) {
    const PasteCase& c = std::get<0>(GetParam());
    const Way way = std::get<1>(GetParam());
    if (way == Way::middleButton && !QGuiApplication::clipboard()->supportsSelection()) {
        GTEST_SKIP() << "the platform has no selection to paste";
    }
    if (c.n != 3) {
        enterDimension(QString::number(c.n));
    }
    fillDistinct();
    focus(edit(txtMat(11)));
    // Results on screen, which only a new dimension resets.
    form().setText(txtSol(1), "42");
    const TextBlock before = system();
    const QString text = QString::fromStdString(c.text);
    const QString asToday = PastedAsToday(
        edit(txtMat(11)), way, c.oneText != nullptr ? QString::fromUtf8(c.oneText) : text);

    const std::vector<Box> boxes = messagesDuring([&] { PasteInto(edit(txtMat(11)), way, text); });

    EXPECT_EQ(form().logic().n(), c.newN);
    EXPECT_EQ(edit(txtMat(c.newN * 11))->isVisible(), true);
    if (c.newN < 6) {
        EXPECT_FALSE(edit(txtMat((c.newN + 1) * 11))->isVisible());
    }
    EXPECT_EQ(form().text(txtSol(1)), c.newN != c.n ? "" : "42");
    if (c.newN != c.n) {
        EXPECT_EQ(form().text(txtIM(11)), "1");
    }
    if (c.system) {
        EXPECT_EQ(system(), *c.system);
    } else {
        TextBlock expected = before;
        expected[0][0] = asToday.toStdString();
        EXPECT_EQ(system(), expected);
        EXPECT_NE(asToday, "a11");  // the plain edit did paste
    }
    if (c.doesNotFit) {
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].text, "The pasted block does not fit");
        EXPECT_EQ(boxes[0].title, "Paste ERROR");
        EXPECT_TRUE(boxes[0].noIcon);
        EXPECT_TRUE(boxes[0].singleOk);
    } else {
        EXPECT_TRUE(boxes.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, PasteWays,
                         testing::Combine(testing::ValuesIn(kPastes),
                                          testing::Values(Way::ctrlV, Way::shiftInsert, Way::menu,
                                                          Way::drop, Way::middleButton)),
                         [](const auto& row) {
                             return std::get<0>(row.param).name + WayName(std::get<1>(row.param));
                         });

TEST_F(Clipboard, ABadTokenIsRefusedAtTheNextSolve) {
    focus(edit(txtMat(11)));
    PasteInto(edit(txtMat(11)), Way::ctrlV, "1\t2\t3\t1\n4\tfive\t6\t2\n7\t8\t9\t3");
    expectMessage([this] { click(form().solveButton()); },
                  "Coefficient in row 2, column 2 is not a number", "Coefficient ERROR");
    EXPECT_EQ(focused(), edit(txtMat(22)));
    EXPECT_EQ(form().text(txtMat(22)), "five");
}

// One spreadsheet cell, copied with its line break, is a number to Solve.
TEST_F(Clipboard, APastedCellIsReadAsItsNumber) {
    fillSystem();
    focus(edit(txtMat(22)));
    PasteInto(edit(txtMat(22)), Way::ctrlV, "0.25\n");
    EXPECT_EQ(form().text(txtMat(22)), "0.25");
    solve();
    EXPECT_FALSE(form().text(txtDeterminant).empty());
}

TEST_F(Clipboard, UndoPutsBackTheCellsAndTheDimension) {
    for (const bool fromMenu : {false, true}) {
        enterDimension("3");
        fillDistinct();
        const TextBlock before = system();
        focus(edit(txtMat(11)));
        PasteInto(edit(txtMat(11)), Way::ctrlV, "1\t2\t3\t4\n5\t6\t7\t8\n9\t1\t2\t3\n4\t5\t6\t7");
        ASSERT_EQ(form().logic().n(), 4);
        ASSERT_TRUE(edit(txtMat(11))->hasFocus());

        if (fromMenu) {
            EXPECT_TRUE(Choose(edit(txtMat(11)), QStringLiteral("edit-undo")));
        } else {
            QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
        }
        EXPECT_EQ(form().logic().n(), 3) << fromMenu;
        EXPECT_EQ(form().text(txtMatSize), "3");
        EXPECT_FALSE(edit(txtMat(14))->isVisible());
        EXPECT_EQ(system(), before) << fromMenu;
        EXPECT_EQ(form().text(txtSol(1)), "");
        EXPECT_EQ(form().text(txtIM(11)), "1");
    }
}

TEST_F(Clipboard, AfterTypingUndoIsTheFieldsOwn) {
    fillDistinct();
    focus(edit(txtMat(22)));
    PasteInto(edit(txtMat(22)), Way::ctrlV, "1\t2\n3\t4");
    focus(edit(txtMat(11)));
    QTest::keyClick(focused(), Qt::Key_End);
    QTest::keyClicks(focused(), "5");
    ASSERT_EQ(form().text(txtMat(11)), "a115");
    QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form().text(txtMat(11)), "a11");
    EXPECT_EQ(form().text(txtMat(22)), "1");
    EXPECT_EQ(form().text(txtMat(33)), "4");
}

TEST_F(Clipboard, EveryGridFieldsMenuKeepsQtsEntriesAndAddsCopyMatrix) {
    const FieldId fields[] = {txtMat(23), txtY(2), txtSol(3), txtIM(32), txtMinMat(11)};
    for (const FieldId id : fields) {
        for (const Opening how : {Opening::mouse, Opening::menuKey, Opening::shiftF10}) {
            focus(edit(id));
            QMenu* menu = OpenMenu(edit(id), how);
            ASSERT_NE(menu, nullptr);
            EXPECT_NE(Entry(menu, QStringLiteral("&Copy")), nullptr);
            EXPECT_NE(Entry(menu, QStringLiteral("Select All")), nullptr);
            EXPECT_EQ(Entry(menu, QStringLiteral("edit-paste")) != nullptr,
                      !edit(id)->isReadOnly());
            const QAction* copy = Entry(menu, QStringLiteral("Copy Matrix"));
            ASSERT_NE(copy, nullptr);
            EXPECT_TRUE(copy->isEnabled());
            EXPECT_EQ(Entry(menu, QStringLiteral("Copy Inverse at Full Precision")) != nullptr,
                      id.field == Field::txtIM);
            CloseMenu(menu);
            // The menu is no move of the focus.
            EXPECT_TRUE(edit(id)->hasFocus());
            EXPECT_EQ(form().logic().n(), 3);
        }
    }
    QMenu* menu = OpenMenu(edit(txtMatSize), Opening::shiftF10);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entry(menu, QStringLiteral("Copy Matrix")), nullptr);
    CloseMenu(menu);
}

TEST_F(Clipboard, CopyMatrixGivesEachGridAsShown) {
    fillSystem();
    solve();
    EXPECT_EQ(copied(txtMat(22)), "2\t1\t1\t1\n1\t3\t2\t2\n1\t0\t0\t3");
    EXPECT_EQ(copied(txtY(3)), "1\n2\n3");
    EXPECT_EQ(copied(txtSol(1)), "3\n9\n-14");
    EXPECT_EQ(copied(txtIM(11)), ".000\t.000\t1.000\n-2.000\t1.000\t3.000\n3.000\t-1.000\t-5.000");
    EXPECT_EQ(copied(txtMinMat(33)), "0\t-2\t-3\n0\t-1\t-1\n-1\t3\t5");
}

std::string Formatted(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15G", x);
    return buffer;
}

TEST_F(Clipboard, TheInverseCopiesAtFullPrecisionUntilTheResultsAreReset) {
    const QString entry = QStringLiteral("Copy Inverse at Full Precision");
    enterDimension("2");
    EXPECT_EQ(copied(txtIM(11), entry), std::nullopt);  // disabled: nothing solved yet
    focus(edit(txtMat(11)));
    PasteInto(edit(txtMat(11)), Way::ctrlV, "2\t1\t1\n1\t2\t1");
    solve();
    ASSERT_EQ(form().text(txtIM(11)), ".667");

    const std::string twoThirds = Formatted(2.0 / 3.0);
    const std::string minusThird = Formatted(-1.0 / 3.0);
    EXPECT_EQ(copied(txtIM(21), entry),
              QString::fromStdString(twoThirds + "\t" + minusThird + "\n" + minusThird + "\t" +
                                     twoThirds));
    focus(form().solveButton());
    EXPECT_EQ(ToolTipOf(edit(txtIM(12))),
              QString::fromStdString("-.333\n" + minusThird + "\nexactly -1/3"));

    enterDimension("2");  // leaving the field resets the results
    EXPECT_EQ(copied(txtIM(11), entry), std::nullopt);
    focus(form().solveButton());
    EXPECT_EQ(ToolTipOf(edit(txtIM(12))), "");
}

// The Fractions box, by the mouse and by the keyboard: every result field
// shows its reduced fraction, a fraction too wide for its cell is drawn as
// its decimal and marked, the tooltip and the copies agree with the cells.
TEST_F(Clipboard, FractionsShowCopyAndTellTheExactValues) {
    focus(edit(txtMat(11)));
    PasteInto(edit(txtMat(11)), Way::ctrlV, "0.1\t0.2\t0.3\t1\n0.4\t0.5\t0.6\t2\n0.7\t0.8\t1\t3");
    solve();
    const QString entry = QStringLiteral("Copy as Fractions");
    EXPECT_EQ(copied(txtSol(1), entry), "-10/3\n20/3\n0");
    EXPECT_EQ(copied(txtIM(11), entry), "-20/3\t-40/3\t10\n-20/3\t110/3\t-20\n10\t-20\t10");
    EXPECT_EQ(copied(txtMinMat(11), entry),
              "1/50\t-1/50\t-3/100\n-1/25\t-11/100\t-3/50\n-3/100\t-3/50\t-3/100");
    EXPECT_EQ(copied(txtMat(11), entry), std::nullopt);  // no result grid
    focus(form().solveButton());
    EXPECT_EQ(ToolTipOf(edit(txtSol(1))), "-3.33333333333333\nexactly -10/3");

    QCheckBox* box = form().fractionsBox();
    EXPECT_EQ(box->accessibleName(), "Fractions");
    EXPECT_FALSE(box->isChecked());
    click(box);
    ASSERT_TRUE(box->isChecked());
    EXPECT_EQ(form().text(txtDeterminant), "-3/1000");
    EXPECT_EQ(form().text(txtIM(12)), "-40/3");
    EXPECT_EQ(form().text(txtSol(2)), "20/3");
    EXPECT_EQ(edit(txtSol(2))->shownText(), "20/3");
    // What a cell shows is what Copy Matrix gives.
    EXPECT_EQ(copied(txtSol(1)), "-10/3\n20/3\n0");
    focus(form().solveButton());
    EXPECT_EQ(ToolTipOf(edit(txtSol(1))), "-10/3\n-3.33333333333333");

    // The keyboard unchecks it again: the decimals come back.
    focus(box);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(form().text(txtSol(1)), "-3.33333333333333");
    EXPECT_EQ(form().text(txtIM(12)), "-13.333");
    EXPECT_EQ(form().text(txtDeterminant), "-0.003");
}

// A long fraction in a narrow cell is drawn as its decimal, rounded and
// marked; the field's text, its tooltip and its copy stay the fraction.
TEST_F(Clipboard, AFractionTooWideShowsItsDecimal) {
    enterDimension("2");
    focus(edit(txtMat(11)));
    PasteInto(edit(txtMat(11)), Way::ctrlV, "3.7\t1.3\t1\n2.9\t7.1\t0.3");
    solve();
    click(form().fractionsBox());
    focus(form().solveButton());
    FieldEdit* x2 = edit(txtSol(2));
    EXPECT_EQ(form().text(txtSol(2)), "-179/2250");
    EXPECT_TRUE(x2->textHidden());
    // -179/2250 = -0.0795555...: the drawn decimal reads as that value.
    const QString shown = x2->shownText();
    bool number = false;
    const double value = shown.toDouble(&number);
    ASSERT_TRUE(number) << shown.toStdString();
    EXPECT_LT(shown.size(), QStringLiteral("-179/2250").size());
    EXPECT_NEAR(value, -179.0 / 2250.0, 0.0005);
    EXPECT_EQ(ToolTipOf(x2), "-179/2250\n-0.0795555555555556");
    EXPECT_EQ(copied(txtSol(1)), "671/2250\n-179/2250");
}

// Every grid copied after a Solve; its coefficients pasted into a fresh
// window and solved again give the same texts in every grid.
TEST_F(Clipboard, CopiesRoundTripThroughAFreshWindow) {
    enterDimension("4");
    focus(edit(txtMat(11)));
    PasteInto(edit(txtMat(11)), Way::ctrlV,
              "4\t-1\t0.5\t2\t1\n1\t3\t-2\t0\t2.25\n0\t1\t5\t-1\t-3\n2\t0\t1\t6\t0.125");
    solve();
    const FieldId grids[] = {txtMat(11), txtY(1), txtSol(1), txtIM(11), txtMinMat(11)};
    std::vector<std::optional<QString>> first;
    for (const FieldId id : grids) {
        first.push_back(copied(id));
    }
    first.push_back(copied(txtIM(11), QStringLiteral("Copy Inverse at Full Precision")));
    ASSERT_TRUE(first[0].has_value());

    reopen();
    ASSERT_EQ(form().logic().n(), 3);
    focus(edit(txtMat(11)));
    PasteInto(edit(txtMat(11)), Way::ctrlV, *first[0]);
    ASSERT_EQ(form().logic().n(), 4);
    solve();
    for (std::size_t i = 0; i < std::size(grids); ++i) {
        EXPECT_EQ(copied(grids[i]), first[i]) << i;
    }
    EXPECT_EQ(copied(txtIM(11), QStringLiteral("Copy Inverse at Full Precision")), first.back());
}

// Fractions go back in as they came out: the inverse copied as fractions,
// pasted as A, has A's inverse, the matrix first typed, as its inverse. A
// pasted cell, focused, shows its beginning; a fraction too wide for its
// cell draws its decimal value, never a cut that reads as another number.
TEST_F(Clipboard, FractionsPastedBackAreTheSameValues) {
    enterDimension("3");
    focus(edit(txtMat(11)));
    const QString a = QStringLiteral("2\t-1\t1/3\n0.5\t4\t-2\n1\t1\t7");
    PasteInto(edit(txtMat(11)), Way::ctrlV, a);
    solve();
    const std::optional<QString> inverse = copied(txtIM(11), QStringLiteral("Copy as Fractions"));
    ASSERT_TRUE(inverse.has_value());
    EXPECT_TRUE(inverse->contains(QLatin1Char('/')));

    reopen();
    focus(edit(txtMat(11)));
    PasteInto(edit(txtMat(11)), Way::ctrlV, *inverse);
    EXPECT_EQ(edit(txtMat(11))->cursorPosition(), 0);
    solve();
    EXPECT_EQ(copied(txtIM(11), QStringLiteral("Copy as Fractions")),
              QStringLiteral("2\t-1\t1/3\n1/2\t4\t-2\n1\t1\t7"));

    // A cell too narrow for its fraction draws the value, rounded and marked.
    focus(form().solveButton());
    form().setText(txtMat(12), "-123456/37");
    FieldEdit* cell = edit(txtMat(12));
    bool number = false;
    const double drawn = cell->shownText().toDouble(&number);
    ASSERT_TRUE(number) << cell->shownText().toStdString();
    EXPECT_TRUE(cell->textHidden());
    EXPECT_NEAR(drawn, -123456.0 / 37.0, 0.5);

    // A pasted single cell, focused, shows its beginning.
    focus(edit(txtY(2)));
    PasteInto(edit(txtY(2)), Way::ctrlV, QStringLiteral("-123456.789"));
    EXPECT_EQ(form().text(txtY(2)), "-123456.789");
    EXPECT_EQ(edit(txtY(2))->cursorPosition(), 0);
}

}  // namespace
}  // namespace velmora
