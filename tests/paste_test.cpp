// Pasting blocks into the grids, undoing a paste, and the texts that "Copy
// Matrix" and "Copy Inverse at Full Precision" put on the clipboard, on the
// in-memory form.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/frm_vl_main.h"
#include "blocktext/block_text.h"
#include "form/memory_form.h"

namespace velmora {
namespace {

using Message = MemoryForm::Message;
const Message kDoesNotFit{"The pasted block does not fit", "Paste ERROR"};

// Every input field, keyed for comparison: the dimension, A and y.
std::map<std::pair<int, int>, std::string> Inputs(const MemoryForm& form) {
    std::map<std::pair<int, int>, std::string> texts;
    texts[{static_cast<int>(Field::txtMatSize), 0}] = form.text(txtMatSize);
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            texts[{static_cast<int>(Field::txtMat), 10 * r + c}] = form.text(txtMat(10 * r + c));
        }
        texts[{static_cast<int>(Field::txtY), r}] = form.text(txtY(r));
    }
    return texts;
}

struct Window {
    MemoryForm form;
    frmVLMain logic{form};

    explicit Window(int n) {
        logic.Form_Load();
        form.setText(txtMatSize, std::to_string(n));
        logic.txtMatSize_LostFocus();
        // Distinct texts in every input cell, hidden ones too.
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 6; ++c) {
                form.setText(txtMat(10 * r + c), "a" + std::to_string(10 * r + c));
            }
            form.setText(txtY(r), "y" + std::to_string(r));
        }
    }
};

struct PasteCase {
    const char* name;
    int n;
    FieldId into;
    std::string text;
    bool handled;  // false: the text goes in as one text
    int newN;
    std::vector<std::pair<FieldId, std::string>> changed;  // A and y
    bool doesNotFit = false;
};

void PrintTo(const PasteCase& c, std::ostream* out) {
    *out << c.name;
}

class Paste : public testing::TestWithParam<PasteCase> {};

TEST_P(Paste, FillsExactlyTheCellsTheBlockCovers) {
    const PasteCase& c = GetParam();
    Window w(c.n);
    w.form.setText(txtSol(1), "old result");
    auto expected = Inputs(w.form);
    for (const auto& [id, text] : c.changed) {
        expected[{static_cast<int>(id.field), id.index}] = text;
    }
    if (c.newN != c.n) {
        expected[{static_cast<int>(Field::txtMatSize), 0}] = std::to_string(c.newN);
    }

    EXPECT_EQ(w.logic.PasteBlock(c.into, c.text), c.handled);

    EXPECT_EQ(Inputs(w.form), expected);
    EXPECT_EQ(w.logic.n(), c.newN);
    // Only a new dimension resets the results.
    EXPECT_EQ(w.form.text(txtSol(1)), c.newN != c.n ? "" : "old result");
    EXPECT_EQ(w.form.field(txtMat(66)).visible, c.newN == 6);
    if (c.doesNotFit) {
        EXPECT_EQ(w.form.messages(), std::vector<Message>{kDoesNotFit});
    } else {
        EXPECT_TRUE(w.form.messages().empty());
    }
    EXPECT_EQ(w.logic.CanUndoPaste(), c.handled && !c.doesNotFit);
}

using Cells = std::vector<std::pair<FieldId, std::string>>;

// The cells of A from (top, left) on, row by row; with `augmented`, each
// row's last text goes to y.
Cells Grid(int top, int left, const TextBlock& rows, bool augmented = false) {
    Cells cells;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = top + static_cast<int>(i);
        for (std::size_t j = 0; j < rows[i].size(); ++j) {
            const bool last = augmented && j + 1 == rows[i].size();
            cells.emplace_back(last ? txtY(r) : txtMat(10 * r + left + static_cast<int>(j)),
                               rows[i][j]);
        }
    }
    return cells;
}

const TextBlock k4x4{
    {"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {"9", "10", "11", "12"}, {"13", "14", "15", "16"}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Blocks, Paste, testing::Values(
    PasteCase{"SquareIntoTopLeft", 3, txtMat(11), "1\t2\t3\r\n4\t5\t6\r\n7\t8\t9\r\n", true, 3,
              Grid(1, 1, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}})},
    PasteCase{"FromAnInnerCellRightAndDown", 3, txtMat(22), "1 2\n3 4\n", true, 3,
              Grid(2, 2, {{"1", "2"}, {"3", "4"}})},
    PasteCase{"Augmented", 3, txtMat(11), "1;2;3;4\n5;6;7;8\n9;10;11;12", true, 3,
              Grid(1, 1, {{"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {"9", "10", "11", "12"}},
                   true)},
    PasteCase{"AugmentedFromTheSecondRow", 3, txtMat(21), "1,2,3,4\n5,6,7,8", true, 3,
              Grid(2, 1, {{"1", "2", "3", "4"}, {"5", "6", "7", "8"}}, true)},
    PasteCase{"AugmentedOneByTwo", 1, txtMat(11), "5\t7", true, 1, Grid(1, 1, {{"5", "7"}}, true)},
    PasteCase{"RaggedRowsLeaveTheRestAlone", 3, txtMat(11), "1\t2\t3\n4\n\t6", true, 3,
              Grid(1, 1, {{"1", "2", "3"}, {"4"}, {"", "6"}})},
    PasteCase{"TokensAsPasted", 2, txtMat(11), " x \t1,5\n&HFF\t-", true, 2,
              Grid(1, 1, {{"x", "1,5"}, {"&HFF", "-"}})},
    PasteCase{"VectorDown", 3, txtY(2), "5\n6\n", true, 3, {{txtY(2), "5"}, {txtY(3), "6"}}},
    PasteCase{"LargerSquareBringsItsDimension", 3, txtMat(11), BlockText(k4x4), true, 4,
              Grid(1, 1, k4x4)},
    PasteCase{"SmallerAugmentedBringsItsDimension", 3, txtMat(11), "1\t2\t3\n4\t5\t6", true, 2,
              Grid(1, 1, {{"1", "2", "3"}, {"4", "5", "6"}}, true)},
    PasteCase{"SixBySixAtN6", 6, txtMat(11), BlockText(TextBlock(6, {"1", "1", "1", "1", "1", "2"})),
              true, 6, Grid(1, 1, TextBlock(6, {"1", "1", "1", "1", "1", "2"}))},
    // Does not fit: nothing changes.
    PasteCase{"SevenBySeven", 3, txtMat(11),
              BlockText(TextBlock(7, {"1", "2", "3", "4", "5", "6", "7"})), true, 3, {}, true},
    PasteCase{"SevenRows", 3, txtMat(11), BlockText(TextBlock(7, {"1"})), true, 3, {}, true},
    PasteCase{"LargerSquareNotAtTheTopLeft", 3, txtMat(12), BlockText(k4x4), true, 3, {}, true},
    PasteCase{"PastTheLastVisibleColumn", 3, txtMat(33), "1\t2", true, 3, {}, true},
    PasteCase{"PastTheLastVisibleRow", 3, txtMat(33), "1\n2", true, 3, {}, true},
    PasteCase{"AugmentedNotFromTheFirstColumn", 3, txtMat(12), "1\t2\t3", true, 3, {}, true},
    PasteCase{"RowIntoTheVector", 3, txtY(1), "1\t2", true, 3, {}, true},
    PasteCase{"PastTheVectorsEnd", 3, txtY(2), "1\n2\n3", true, 3, {}, true},
    // One text, or a field that takes no block: pasted as usual.
    PasteCase{"SingleNumber", 3, txtMat(11), "12.5", false, 3, {}},
    PasteCase{"NumberWithBlanks", 3, txtMat(11), "1 000", false, 3, {}},
    PasteCase{"DecimalComma", 3, txtY(1), "1,5\n", false, 3, {}},
    PasteCase{"IntoTheDimension", 3, txtMatSize, "4\t5", false, 3, {}},
    PasteCase{"IntoAResult", 3, txtIM(11), "4\t5", false, 3, {}}),
    [](const testing::TestParamInfo<PasteCase>& row) { return std::string(row.param.name); });
// clang-format on

TEST(PasteUndo, PutsBackTheCellsAndTheDimension) {
    Window w(3);
    const auto before = Inputs(w.form);
    ASSERT_TRUE(w.logic.PasteBlock(txtMat(11),
                                   "1\t2\t3\t4\t9\n5\t6\t7\t8\t9\n1\t1\t1\t1\t9\n"
                                   "2\t2\t2\t2\t9"));
    ASSERT_EQ(w.logic.n(), 4);
    ASSERT_EQ(w.form.text(txtY(4)), "9");

    EXPECT_TRUE(w.logic.UndoPaste());
    EXPECT_EQ(Inputs(w.form), before);
    EXPECT_EQ(w.logic.n(), 3);
    EXPECT_FALSE(w.form.field(txtMat(14)).visible);
    EXPECT_EQ(w.form.text(txtIM(11)), "1");
    EXPECT_EQ(w.form.text(txtSol(1)), "");
    // One step only.
    EXPECT_FALSE(w.logic.CanUndoPaste());
    EXPECT_FALSE(w.logic.UndoPaste());
    EXPECT_EQ(Inputs(w.form), before);
}

TEST(PasteUndo, LeavesTheResultsAsTheyAre) {
    Window w(3);
    const auto before = Inputs(w.form);
    w.form.setText(txtSol(1), "42");
    ASSERT_TRUE(w.logic.PasteBlock(txtMat(22), "1\t2\n3\t4"));
    EXPECT_TRUE(w.logic.UndoPaste());
    EXPECT_EQ(Inputs(w.form), before);
    EXPECT_EQ(w.form.text(txtSol(1)), "42");
}

TEST(PasteUndo, EndsWithTheNextEditOrComputation) {
    for (int step = 0; step < 3; ++step) {
        Window w(2);
        ASSERT_TRUE(w.logic.PasteBlock(txtMat(11), "1\t2\n3\t4"));
        ASSERT_TRUE(w.logic.CanUndoPaste());
        switch (step) {
            case 0:
                w.logic.Field_Edited(txtMat(12));
                break;
            case 1:
                w.logic.cmdSolve_Click();
                break;
            default:
                w.logic.optMat_Click(1);
                break;
        }
        EXPECT_FALSE(w.logic.CanUndoPaste()) << step;
        EXPECT_FALSE(w.logic.UndoPaste()) << step;
        EXPECT_EQ(w.form.text(txtMat(11)), "1") << step;
    }
}

TEST(PasteUndo, ABlockThatDoesNotFitKeepsTheEarlierPasteUndoable) {
    Window w(2);
    ASSERT_TRUE(w.logic.PasteBlock(txtMat(11), "1\t2\n3\t4"));
    ASSERT_TRUE(w.logic.PasteBlock(txtMat(22), "5\t6"));
    EXPECT_TRUE(w.logic.UndoPaste());
    EXPECT_EQ(w.form.text(txtMat(11)), "a11");
    EXPECT_EQ(w.form.text(txtMat(22)), "a22");
}

TEST(CopyMatrix, GivesTheVisibleGridAsTabSeparatedRows) {
    Window w(2);
    w.form.setText(txtSol(1), "1.5");
    w.form.setText(txtSol(2), "-2");
    w.form.setText(txtIM(12), ".333");
    w.form.setText(txtMinMat(21), "7");
    for (const int k : {11, 12, 21, 22}) {
        EXPECT_EQ(w.logic.GridText(txtMat(k)), "a11\ta12\ty1\na21\ta22\ty2");
        EXPECT_EQ(w.logic.GridText(txtIM(k)), "1\t.333\n0\t1");
        EXPECT_EQ(w.logic.GridText(txtMinMat(k)), "\t\n7\t");
    }
    EXPECT_EQ(w.logic.GridText(txtY(2)), "y1\ny2");
    EXPECT_EQ(w.logic.GridText(txtSol(1)), "1.5\n-2");
    EXPECT_EQ(w.logic.GridText(txtMatSize), std::nullopt);
    EXPECT_EQ(w.logic.GridText(txtDeterminant), std::nullopt);
}

std::string Formatted(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15G", x);
    return buffer;
}

TEST(CopyInverse, GivesTheUnroundedInverseOfTheLastSolve) {
    Window w(2);
    ASSERT_TRUE(w.logic.PasteBlock(txtMat(11), "2\t1\t0\n1\t2\t0"));
    EXPECT_EQ(w.logic.FullInverseText(), std::nullopt);
    w.logic.cmdSolve_Click();
    ASSERT_TRUE(w.form.messages().empty());
    ASSERT_EQ(w.form.text(txtIM(11)), ".667");
    // The exact inverse is (2 -1; -1 2) / 3.
    const std::string twoThirds = Formatted(2.0 / 3.0);
    const std::string minusOneThird = Formatted(-1.0 / 3.0);
    EXPECT_EQ(w.logic.FullInverseText(),
              twoThirds + "\t" + minusOneThird + "\n" + minusOneThird + "\t" + twoThirds);
    // The option recomputes only the grid of minors.
    w.logic.optMat_Click(1);
    EXPECT_TRUE(w.logic.FullInverseText().has_value());
}

TEST(CopyInverse, IsGoneAfterEveryReset) {
    const auto solved = [] {
        auto w = std::make_unique<Window>(2);
        EXPECT_TRUE(w->logic.PasteBlock(txtMat(11), "4\t7\n2\t6"));
        w->logic.cmdSolve_Click();
        EXPECT_TRUE(w->logic.FullInverseText().has_value());
        return w;
    };
    auto w = solved();
    w->logic.txtMatSize_LostFocus();  // leaving the dimension field
    EXPECT_EQ(w->logic.FullInverseText(), std::nullopt);

    w = solved();
    ASSERT_TRUE(w->logic.PasteBlock(txtMat(11), "1\t2\t3\n4\t5\t6\n7\t8\t10"));  // a new N
    EXPECT_EQ(w->logic.FullInverseText(), std::nullopt);

    w = solved();
    w->form.setText(txtMat(11), "x");
    w->logic.cmdSolve_Click();  // refused
    EXPECT_EQ(w->logic.FullInverseText(), std::nullopt);

    w = solved();
    ASSERT_TRUE(w->logic.PasteBlock(txtMat(11), "1\t2\n2\t4"));
    w->logic.cmdSolve_Click();  // zero determinant
    EXPECT_EQ(w->logic.FullInverseText(), std::nullopt);
}

}  // namespace
}  // namespace velmora
