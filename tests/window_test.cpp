// The window's design state, output reset, layout by dimension, start-up,
// dimension entry and focus selection, on the in-memory form.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/frm_vl_main.h"
#include "form/design.h"
#include "form/memory_form.h"

namespace velmora {
namespace {

using Message = MemoryForm::Message;

constexpr Field kMatrixArrays[] = {Field::txtMat, Field::txtIM, Field::txtMinMat};
constexpr Field kVectorArrays[] = {Field::txtY, Field::txtSol, Field::txtDetRow, Field::txtDetCol};

// A window after start-up, with its dimension changed by leaving the field.
struct Window {
    MemoryForm form;
    frmVLMain logic{form};

    Window() { logic.Form_Load(); }

    void enterDimension(const std::string& text) {
        form.setText(txtMatSize, text);
        logic.txtMatSize_LostFocus();
    }
    [[nodiscard]] bool visible(FieldId id) const { return form.field(id).visible; }
    [[nodiscard]] std::string text(FieldId id) const { return form.field(id).text; }
};

TEST(DesignState, MatrixArraysHaveExactlyTheMembers11To66) {
    const MemoryForm form;
    for (const Field f : kMatrixArrays) {
        EXPECT_EQ(design::Members(f).size(), 36U);
        EXPECT_NO_THROW((void)form.field({f, 11}));
        EXPECT_NO_THROW((void)form.field({f, 66}));
        for (const int missing : {0, 10, 17, 20, 60, 67, 70, 77, 99, -11}) {
            EXPECT_THROW((void)form.field({f, missing}), std::out_of_range) << missing;
        }
    }
    for (const Field f : kVectorArrays) {
        EXPECT_NO_THROW((void)form.field({f, 1}));
        EXPECT_NO_THROW((void)form.field({f, 6}));
        EXPECT_THROW((void)form.field({f, 0}), std::out_of_range);
        EXPECT_THROW((void)form.field({f, 7}), std::out_of_range);
    }
}

TEST(DesignState, InverseGridHoldsTheSixBySixIdentityBeforeStartUp) {
    const MemoryForm form;
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            EXPECT_EQ(form.field(txtIM(10 * r + c)).text, r == c ? "1" : "0") << r << c;
        }
    }
    EXPECT_EQ(form.field(txtMatSize).text, "3");
    EXPECT_TRUE(form.isOptionSelected(0));
    EXPECT_FALSE(form.isOptionSelected(1));
    EXPECT_EQ(form.label({3}).caption, "Matrix of Determinants");
}

TEST(DesignState, GeometryFollowsRowAndColumn) {
    const MemoryForm form;
    struct Row {
        FieldId id;
        int left, top;
    };
    const std::vector<Row> rows = {
        {txtMat(11), 1080, 600},      {txtMat(66), 5280, 2400},   {txtMat(23), 2760, 960},
        {txtY(1), 6720, 600},         {txtY(6), 6720, 2400},      {txtSol(4), 3600, 3120},
        {txtIM(11), 5040, 4320},      {txtIM(66), 8640, 6120},    {txtMinMat(36), 3840, 5040},
        {txtDetRow(6), 4440, 6120},   {txtDetCol(6), 3840, 6600}, {txtMatSize, 1680, 120},
        {txtDeterminant, 8040, 3000},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(form.field(row.id).left, row.left)
            << static_cast<int>(row.id.field) << row.id.index;
        EXPECT_EQ(form.field(row.id).top, row.top)
            << static_cast<int>(row.id.field) << row.id.index;
    }
}

TEST(DesignState, OnlyTheWorkingBoxesAreHiddenAndOnlyOutputsAreReadOnly) {
    const MemoryForm form;
    for (const design::FieldDesign& entry : design::kFields) {
        const bool working = entry.field == Field::txtDetRow || entry.field == Field::txtDetCol;
        const bool output = entry.field == Field::txtSol || entry.field == Field::txtDeterminant ||
                            entry.field == Field::txtIM || entry.field == Field::txtMinMat;
        for (const int k : design::Members(entry.field)) {
            EXPECT_EQ(form.field({entry.field, k}).visible, !working);
            EXPECT_EQ(form.field({entry.field, k}).readOnly, output);
        }
    }
}

TEST(DesignState, TabOrderRunsThroughTheInputsThenSolveThenTheResults) {
    const std::vector<design::TabStop> order = design::TabOrder();
    ASSERT_EQ(order.size(), 1U + 36 + 6 + 2 + 36 + 6 + 36 + 1 + 2 + 1);
    EXPECT_EQ(order[0].field, txtMatSize);
    EXPECT_EQ(order[1].field, txtMat(11));
    EXPECT_EQ(order[7].field, txtMat(21));
    EXPECT_EQ(order[36].field, txtMat(66));
    EXPECT_EQ(order[42].field, txtY(6));
    EXPECT_EQ(order[43].kind, design::TabStop::Kind::solveButton);
    EXPECT_EQ(order[44].kind, design::TabStop::Kind::stepsButton);
    EXPECT_EQ(order[45].field, txtIM(11));
    EXPECT_EQ(order[81].field, txtSol(1));
    EXPECT_EQ(order[87].field, txtMinMat(11));
    EXPECT_EQ(order[123].field, txtDeterminant);
    EXPECT_EQ(order[124].option, 0);
    EXPECT_EQ(order[125].option, 1);
    EXPECT_EQ(order[126].kind, design::TabStop::Kind::fractionsBox);
}

TEST(DesignState, AccessibleNamesNameRowAndColumn) {
    EXPECT_EQ(design::AccessibleName(txtMat(23)), "Coefficient row 2 column 3");
    EXPECT_EQ(design::AccessibleName(txtY(4)), "Vector row 4");
    EXPECT_EQ(design::AccessibleName(txtSol(5)), "Solution column 5");
    EXPECT_EQ(design::AccessibleName(txtIM(61)), "Inverse row 6 column 1");
    EXPECT_EQ(design::AccessibleName(txtMinMat(16)), "Minors grid row 1 column 6");
    EXPECT_EQ(design::AccessibleName(txtMatSize), "Matrix Dimension");
    EXPECT_EQ(design::AccessibleName(txtDeterminant), "Determinant");
}

// Every value the layout gives, for each N.
struct LayoutRow {
    int n;
    int solTop, yLeft;
    int ruleY, ruleX2;
    int bracketBottom;
    int rightBarX, rightSerifX1;
    int vectorLeftBarX, vectorLeftSerifX2;
    int vectorRightSerifX1, vectorRightBarX;
    int equalsLeft, equalsTop;
    int vectorCaptionLeft;
};

class LayoutByDimension : public testing::TestWithParam<LayoutRow> {};

TEST_P(LayoutByDimension, MovesEverythingRightOfAndBelowTheGrid) {
    const LayoutRow& v = GetParam();
    Window w;
    w.enterDimension(std::to_string(v.n));
    ASSERT_EQ(w.logic.n(), v.n);
    EXPECT_TRUE(w.form.messages().empty());

    for (int i = 1; i <= v.n; ++i) {
        EXPECT_EQ(w.form.field(txtSol(i)).top, v.solTop);
        EXPECT_EQ(w.form.field(txtY(i)).left, v.yLeft);
        EXPECT_EQ(w.form.field(txtSol(i)).left, 1080 + 840 * (i - 1));  // columns never move
        EXPECT_EQ(w.form.field(txtY(i)).top, 600 + 360 * (i - 1));
    }
    const auto line = [&](int number) { return w.form.line({number}); };
    const int b = v.bracketBottom;
    EXPECT_EQ(line(1), (LineEnds{120, 3600, 9480, 3600}));
    EXPECT_EQ(line(2), (LineEnds{960, v.ruleY, v.ruleX2, v.ruleY}));
    EXPECT_EQ(line(3), (LineEnds{960, 480, 960, b}));
    EXPECT_EQ(line(4), (LineEnds{v.rightBarX, 480, v.rightBarX, b}));
    EXPECT_EQ(line(5), (LineEnds{v.vectorLeftBarX, 480, v.vectorLeftBarX, b}));
    EXPECT_EQ(line(6), (LineEnds{v.vectorRightBarX, 480, v.vectorRightBarX, b}));
    EXPECT_EQ(line(7), (LineEnds{960, 480, 1080, 480}));
    EXPECT_EQ(line(8), (LineEnds{960, b, 1080, b}));
    EXPECT_EQ(line(9), (LineEnds{v.rightSerifX1, 480, v.rightBarX, 480}));
    EXPECT_EQ(line(10), (LineEnds{v.rightSerifX1, b, v.rightBarX, b}));
    EXPECT_EQ(line(11), (LineEnds{v.vectorLeftBarX, b, v.vectorLeftSerifX2, b}));
    EXPECT_EQ(line(12), (LineEnds{v.vectorRightSerifX1, b, v.vectorRightBarX, b}));
    EXPECT_EQ(line(13), (LineEnds{v.vectorRightSerifX1, 480, v.vectorRightBarX, 480}));
    EXPECT_EQ(line(14), (LineEnds{v.vectorLeftBarX, 480, v.vectorLeftSerifX2, 480}));
    EXPECT_EQ(w.form.label({5}).left, v.equalsLeft);
    EXPECT_EQ(w.form.label({5}).top, v.equalsTop);
    EXPECT_EQ(w.form.label({7}).left, v.vectorCaptionLeft);
    // At N = 1 and 2 the vector's caption moves down, level with its first
    // cell, and never overlaps the coefficient caption.
    EXPECT_EQ(w.form.label({7}).top, v.n <= 2 ? 618 : 240);
    const MemoryForm::LabelState& coefficient = w.form.label({6});
    const MemoryForm::LabelState& vector = w.form.label({7});
    const bool apart = vector.left >= coefficient.left + design::Label(6).rect.width ||
                       vector.top >= coefficient.top + design::Label(6).rect.height;
    EXPECT_TRUE(apart);
}

TEST_P(LayoutByDimension, ShowsExactlyTheNByNPart) {
    const int n = GetParam().n;
    Window w;
    w.enterDimension(std::to_string(n));
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            const int k = 10 * i + j;
            for (const Field f : kMatrixArrays) {
                EXPECT_EQ(w.visible({f, k}), i <= n && j <= n) << k;
                EXPECT_EQ(w.form.field({f, k}).left, design::DesignRect({f, k}).left);
                EXPECT_EQ(w.form.field({f, k}).top, design::DesignRect({f, k}).top);
            }
        }
        EXPECT_EQ(w.visible(txtSol(i)), i <= n);
        EXPECT_EQ(w.visible(txtY(i)), i <= n);
        EXPECT_FALSE(w.visible(txtDetRow(i)));
        EXPECT_FALSE(w.visible(txtDetCol(i)));
        EXPECT_EQ(w.form.field(txtDetRow(i)).left, 4440);
        EXPECT_EQ(w.form.field(txtDetCol(i)).top, 6600);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDimension, LayoutByDimension,
                         testing::Values(LayoutRow{1, 1320, 2520, 1200, 1920, 960, 1800, 1680, 2400,
                                                   2520, 3120, 3240, 1920, 540, 3360},
                                         LayoutRow{2, 1680, 3360, 1560, 2760, 1320, 2640, 2520,
                                                   3240, 3360, 3960, 4080, 2760, 720, 4200},
                                         LayoutRow{3, 2040, 4200, 1920, 3600, 1680, 3480, 3360,
                                                   4080, 4200, 4800, 4920, 3600, 900, 3960},
                                         LayoutRow{4, 2400, 5040, 2280, 4440, 2040, 4320, 4200,
                                                   4920, 5040, 5640, 5760, 4440, 1080, 4800},
                                         LayoutRow{5, 2760, 5880, 2640, 5280, 2400, 5160, 5040,
                                                   5760, 5880, 6480, 6600, 5280, 1260, 5640},
                                         LayoutRow{6, 3120, 6720, 3000, 6120, 2760, 6000, 5880,
                                                   6600, 6720, 7320, 7440, 6120, 1440, 6480}),
                         [](const testing::TestParamInfo<LayoutRow>& row) {
                             // Appended rather than "N" + to_string(n): GCC 12
                             // at -O3 reports a false overlap (-Wrestrict) in
                             // the inlined prepend.
                             std::string name = "N";
                             name += std::to_string(row.param.n);
                             return name;
                         });

TEST(Layout, SixBySixPutsEveryControlBackAtItsDesignPosition) {
    Window w;
    w.enterDimension("6");
    const MemoryForm design;
    for (const design::FieldDesign& entry : design::kFields) {
        for (const int k : design::Members(entry.field)) {
            EXPECT_EQ(w.form.field({entry.field, k}).left, design.field({entry.field, k}).left);
            EXPECT_EQ(w.form.field({entry.field, k}).top, design.field({entry.field, k}).top);
            EXPECT_EQ(w.form.field({entry.field, k}).visible,
                      design.field({entry.field, k}).visible);
        }
    }
    for (int line = 1; line <= 14; ++line) {
        EXPECT_EQ(w.form.line({line}), design.line({line})) << line;
    }
    for (int label = 1; label <= 8; ++label) {
        EXPECT_EQ(w.form.label({label}).left, design.label({label}).left);
        EXPECT_EQ(w.form.label({label}).top, design.label({label}).top);
    }
}

TEST(Layout, ReappearingElementsTakeTheirPlaceForTheNewDimension) {
    Window w;
    w.form.setText(txtMat(44), "7");
    w.form.setText(txtY(5), "8");
    w.enterDimension("5");
    EXPECT_TRUE(w.visible(txtMat(44)));
    EXPECT_TRUE(w.visible(txtMinMat(55)));
    EXPECT_EQ(w.form.field(txtSol(4)).top, 2760);
    EXPECT_EQ(w.form.field(txtY(5)).left, 5880);
    EXPECT_EQ(w.text(txtMat(44)), "7");  // input texts are never cleared
    EXPECT_EQ(w.text(txtY(5)), "8");
}

TEST(StartUp, ShowsTheThreeByThreeFormWithTheIdentity) {
    Window w;
    EXPECT_EQ(w.logic.n(), 3);
    EXPECT_EQ(w.text(txtMatSize), "3");
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            EXPECT_TRUE(w.visible(txtMat(10 * r + c)));
            EXPECT_EQ(w.text(txtIM(10 * r + c)), r == c ? "1" : "0");
            EXPECT_EQ(w.text(txtMinMat(10 * r + c)), "");
        }
    }
    EXPECT_FALSE(w.visible(txtMat(14)));
    EXPECT_FALSE(w.visible(txtIM(41)));
    EXPECT_EQ(w.text(txtDeterminant), "");
    EXPECT_TRUE(w.form.messages().empty());
}

// Fills every result field, inside and outside the n x n block, with a marker.
void MarkOutputs(MemoryForm& form) {
    for (const Field f : {Field::txtIM, Field::txtMinMat}) {
        for (const int k : design::Members(f)) {
            form.setText({f, k}, "x");
        }
    }
    for (const Field f : {Field::txtSol, Field::txtDetRow, Field::txtDetCol}) {
        for (int i = 1; i <= 6; ++i) {
            form.setText({f, i}, "x");
        }
    }
    form.setText(txtDeterminant, "x");
}

TEST(ResetOutputs, LeavingTheFieldUnchangedResetsTheResultsOfTheNByNBlockOnly) {
    Window w;
    w.enterDimension("4");
    for (int k = 1; k <= 6; ++k) {
        w.form.setText(txtMat(10 * k + 1), "5");
        w.form.setText(txtY(k), "6");
    }
    MarkOutputs(w.form);
    w.logic.txtMatSize_LostFocus();  // still "4"
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            const int k = 10 * i + j;
            const bool inside = i <= 4 && j <= 4;
            EXPECT_EQ(w.text(txtIM(k)), inside ? (i == j ? "1" : "0") : "x") << k;
            EXPECT_EQ(w.text(txtMinMat(k)), inside ? "" : "x") << k;
        }
        for (const Field f : {Field::txtSol, Field::txtDetRow, Field::txtDetCol}) {
            EXPECT_EQ(w.text({f, i}), i <= 4 ? "" : "x");
        }
        EXPECT_EQ(w.text(txtMat(10 * i + 1)), "5");  // inputs untouched
        EXPECT_EQ(w.text(txtY(i)), "6");
    }
    EXPECT_EQ(w.text(txtDeterminant), "");
}

TEST(ResetOutputs, KeepsOldWorkingBoxesAboveASmallerDimension) {
    Window w;
    w.enterDimension("6");
    MarkOutputs(w.form);
    w.enterDimension("3");
    for (int i = 4; i <= 6; ++i) {
        EXPECT_EQ(w.text(txtDetRow(i)), "x");
        EXPECT_EQ(w.text(txtDetCol(i)), "x");
    }
    EXPECT_EQ(w.text(txtDetRow(3)), "");
}

TEST(ResetOutputs, TwiceIsTheSameAsOnce) {
    Window once;
    Window twice;
    MarkOutputs(once.form);
    MarkOutputs(twice.form);
    once.logic.txtMatSize_LostFocus();
    twice.logic.txtMatSize_LostFocus();
    twice.logic.txtMatSize_LostFocus();
    for (const design::FieldDesign& entry : design::kFields) {
        for (const int k : design::Members(entry.field)) {
            EXPECT_EQ(once.text({entry.field, k}), twice.text({entry.field, k}));
        }
    }
}

TEST(ResetOutputs, AtDimensionOneWritesOnlyTheFirstElements) {
    Window w;
    w.enterDimension("1");
    MarkOutputs(w.form);
    w.logic.txtMatSize_LostFocus();
    EXPECT_EQ(w.text(txtIM(11)), "1");
    EXPECT_EQ(w.text(txtIM(12)), "x");
    EXPECT_EQ(w.text(txtIM(22)), "x");
    EXPECT_EQ(w.text(txtMinMat(11)), "");
    EXPECT_EQ(w.text(txtSol(1)), "");
    EXPECT_EQ(w.text(txtSol(2)), "x");
    EXPECT_EQ(w.text(txtDetCol(1)), "");
    EXPECT_EQ(w.text(txtDetRow(1)), "");
    EXPECT_EQ(w.text(txtDeterminant), "");
}

TEST(DimensionEntry, AppliesBlanksAndFractionsRoundedHalfToEven) {
    struct Row {
        std::string text;
        int n;
    };
    for (const Row& row : std::vector<Row>{{" 4 ", 4},
                                           {"4.5", 4},
                                           {"5.5", 6},
                                           {"6.5", 6},
                                           {"2.4", 2},
                                           {"0.6", 1},
                                           {"1", 1},
                                           {"6", 6}}) {
        Window w;
        w.enterDimension(row.text);
        EXPECT_EQ(w.logic.n(), row.n) << row.text;
        // The field reads the N in use, as a whole number.
        EXPECT_EQ(w.text(txtMatSize), std::to_string(row.n)) << row.text;
        EXPECT_TRUE(w.form.messages().empty()) << row.text;
    }
}

// Refused, and 6 applied: the field, the grids and N agree.
TEST(DimensionEntry, AboveSixIsRefusedAndSixApplied) {
    for (const std::string text :
         {"7", "6.6", "12", "99999", "1E10", "32767", "40000", "1E400", "&H10000000000000000"}) {
        Window w;
        w.enterDimension("2");
        w.form.setText(txtDeterminant, "earlier result");
        w.enterDimension(text);
        EXPECT_THAT(w.form.messages(),
                    testing::ElementsAre(Message{"Larger than Maximum Matrix Dimension of 6",
                                                 "Matrix Dimension ERROR"}))
            << text;
        EXPECT_EQ(w.text(txtMatSize), "6");
        EXPECT_EQ(w.logic.n(), 6);
        EXPECT_TRUE(w.visible(txtMat(66)));
        EXPECT_EQ(w.text(txtDeterminant), "");
    }
}

TEST(DimensionEntry, TextThatIsNoDimensionIsRefusedAndTheFieldShowsNAgain) {
    for (const std::string text :
         {"", "  ", "abc", "1,5", "0", "-3", "0.4", "-40000", "-1E400", "&H", "4x"}) {
        Window w;
        w.enterDimension("4");
        w.form.setText(txtSol(1), "earlier result");
        w.enterDimension(text);
        EXPECT_THAT(w.form.messages(), testing::ElementsAre(Message{
                                           "Matrix Dimension must be a whole number from 1 to 6",
                                           "Matrix Dimension ERROR"}))
            << '"' << text << '"';
        EXPECT_EQ(w.text(txtMatSize), "4");
        EXPECT_EQ(w.logic.n(), 4);
        EXPECT_TRUE(w.visible(txtMat(44)));
        EXPECT_EQ(w.text(txtSol(1)), "earlier result");
    }
}

// A typed number replaces the whole entry: a part left unselected would
// merge with it into another number.
TEST(FocusSelection, SelectsTheWholeEntry) {
    Window w;
    w.form.setText(txtMat(12), "123.456789012");
    w.logic.txtMat_GotFocus(12);
    EXPECT_EQ(w.form.field(txtMat(12)).selectionStart, 0);
    EXPECT_EQ(w.form.field(txtMat(12)).selectionLength, 13);

    w.form.setText(txtY(2), "2");
    w.logic.txtY_GotFocus(2);
    EXPECT_EQ(w.form.field(txtY(2)).selectionLength, 1);

    w.form.setText(txtMatSize, "12");
    w.logic.txtMatSize_GotFocus();
    EXPECT_EQ(w.form.field(txtMatSize).selectionStart, 0);
    EXPECT_EQ(w.form.field(txtMatSize).selectionLength, 2);
}

// The handlers turn every error of a computation into a message box.

void EnterSystem(Window& w, const std::vector<std::string>& a, const std::vector<std::string>& y) {
    const int n = static_cast<int>(y.size());
    w.enterDimension(std::to_string(n));
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            w.form.setText(txtMat(10 * r + c), a[static_cast<std::size_t>((r - 1) * n + c - 1)]);
        }
        w.form.setText(txtY(r), y[static_cast<std::size_t>(r - 1)]);
    }
}

TEST(SolveHandler, ARefusedCoefficientIsReportedAndHandedBackSelected) {
    Window w;
    EnterSystem(w, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, {"1", "2", "3"});
    w.logic.cmdSolve_Click();  // a solved state to be reset
    w.form.clearMessages();
    w.form.setText(txtMat(23), "1,5");
    w.form.setText(txtMat(31), "");
    w.logic.cmdSolve_Click();
    EXPECT_THAT(w.form.messages(),
                testing::ElementsAre(Message{"Coefficient in row 2, column 3 is not a number",
                                             "Coefficient ERROR"}));
    EXPECT_EQ(w.form.focused(), txtMat(23));
    EXPECT_EQ(w.form.field(txtMat(23)).selectionStart, 0);
    EXPECT_EQ(w.form.field(txtMat(23)).selectionLength, 3);
    EXPECT_EQ(w.text(txtMat(23)), "1,5");  // nothing the user typed is lost
    EXPECT_EQ(w.text(txtDeterminant), "");
    EXPECT_EQ(w.text(txtIM(11)), "1");
    EXPECT_EQ(w.text(txtMinMat(11)), "");
}

// Exact arithmetic cannot overflow: what lies beyond the double range is
// shown as what it is.
TEST(SolveHandler, ValuesBeyondTheDoubleRangeAreShown) {
    Window w;
    EnterSystem(w, {"1E200", "0", "0", "0", "1E200", "0", "0", "0", "1E200"}, {"1", "-2", "3"});
    w.logic.cmdSolve_Click();
    EXPECT_TRUE(w.form.messages().empty());
    EXPECT_EQ(w.text(txtDeterminant), "1E+600");
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(w.text(txtIM(10 * r + c)), ".000");
            EXPECT_EQ(w.text(txtMinMat(10 * r + c)), r == c ? "1E+400" : "0");
        }
    }
    EXPECT_EQ(w.text(txtSol(1)), "1E-200");
    EXPECT_EQ(w.text(txtSol(2)), "-2E-200");
    // The fraction gives what three decimals cannot.
    EXPECT_EQ(w.form.field(txtIM(11)).note.note, "1E-200");
}

// The determinant, the grid and the inverse are known before the
// right-hand side is read; the cell is handed back, whole and selected.
TEST(SolveHandler, ARightHandSideBeyondTheDoubleRangeIsReportedAndHandedBack) {
    for (const char* text : {"1E400", "-1E-400", "2E999abc"}) {
        Window w;
        EnterSystem(w, {"1", "2", "0", "3", "4", "1", "0", "1", "2"}, {"1", text, "1"});
        w.logic.cmdSolve_Click();
        EXPECT_THAT(w.form.messages(),
                    testing::ElementsAre(
                        Message{"Right-hand side in row 2 is out of range", "Vector ERROR"}));
        EXPECT_EQ(w.form.focused(), txtY(2));
        EXPECT_EQ(w.form.field(txtY(2)).selectionStart, 0);
        EXPECT_EQ(w.form.field(txtY(2)).selectionLength, static_cast<int>(std::strlen(text)));
        EXPECT_EQ(w.text(txtY(2)), text);
        EXPECT_EQ(w.text(txtDeterminant), "-5");
        EXPECT_EQ(w.text(txtMinMat(11)), "7");
        EXPECT_EQ(w.text(txtMinMat(33)), "-2");
        EXPECT_EQ(w.text(txtIM(11)), "-1.400");
        for (int r = 1; r <= 3; ++r) {
            EXPECT_EQ(w.text(txtSol(r)), "");
        }
        EXPECT_EQ(w.logic.FractionGridText(txtSol(1)), std::nullopt);
    }
}

TEST(SolveHandler, ACoefficientBeyondTheDoubleRangeIsCalledOutOfRange) {
    for (const char* text : {"1E400", "-1.8E308", "&H1FFFFFFFFFFFFFFFF"}) {
        Window w;
        EnterSystem(w, {"1", "2", "0", "3", "4", "1", "0", "1", "2"}, {"1", "1", "1"});
        w.form.setText(txtMat(32), text);
        w.logic.cmdSolve_Click();
        EXPECT_THAT(w.form.messages(),
                    testing::ElementsAre(Message{"Coefficient in row 3, column 2 is out of range",
                                                 "Coefficient ERROR"}))
            << text;
        EXPECT_EQ(w.form.focused(), txtMat(32));
        EXPECT_EQ(w.text(txtMat(32)), text);
    }
}

// Its rows are dependent in decimals; binary doubles made it regular.
TEST(SolveHandler, ADecimalSingularMatrixHasTheDeterminantZero) {
    Window w;
    EnterSystem(w, {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"},
                {"1", "2", "3"});
    w.logic.cmdSolve_Click();
    ASSERT_EQ(w.form.messages().size(), 1U);
    EXPECT_EQ(w.form.messages()[0].prompt,
              "Inverse Matrix NOT Solvable, Check for Proportionate ROWS");
    EXPECT_EQ(w.form.messages()[0].title, "ZERO Determinant");
    EXPECT_EQ(w.text(txtDeterminant), "0");
    EXPECT_EQ(w.text(txtMinMat(11)), "-0.03");
    EXPECT_EQ(w.text(txtIM(12)), "");
    EXPECT_EQ(w.text(txtSol(3)), "t");
    EXPECT_EQ(w.logic.FullInverseText(), std::nullopt);
    EXPECT_EQ(w.logic.FractionGridText(txtIM(11)), std::nullopt);
    // The copies of the solution row give its expressions, in both forms.
    EXPECT_EQ(w.logic.GridText(txtSol(1)), "-10/3+t\n20/3-2t\nt");
    EXPECT_EQ(w.logic.FractionGridText(txtSol(1)), "-10/3+t\n20/3-2t\nt");
}

TEST(SolveHandler, OneByOneIsSolvedLikeAnyOther) {
    Window w;
    EnterSystem(w, {"4"}, {"2"});
    w.logic.cmdSolve_Click();
    EXPECT_TRUE(w.form.messages().empty());
    EXPECT_EQ(w.text(txtDeterminant), "4");
    EXPECT_EQ(w.text(txtIM(11)), ".250");
    EXPECT_EQ(w.text(txtSol(1)), "0.5");
    EXPECT_EQ(w.text(txtMinMat(11)), "1");
}

TEST(OptionHandler, SwitchingAfterASolveChangesOnlyTheGridAndItsCaption) {
    Window w;
    EnterSystem(w, {"1", "2", "0", "3", "4", "1", "0", "1", "2"}, {"1", "1", "1"});
    w.logic.cmdSolve_Click();
    const std::string det = w.text(txtDeterminant);
    const std::string inverse = w.text(txtIM(12));
    const std::string solution = w.text(txtSol(2));
    EXPECT_EQ(det, "-5");
    w.form.selectOption(1);
    w.logic.optMat_Click(1);
    EXPECT_EQ(w.form.label({3}).caption, "Matrix of Minors");
    EXPECT_EQ(w.text(txtMinMat(12)), "-12");
    w.form.selectOption(0);
    w.logic.optMat_Click(0);
    EXPECT_EQ(w.form.label({3}).caption, "Matrix of Determinants");
    EXPECT_EQ(w.text(txtMinMat(12)), "6");
    EXPECT_EQ(w.text(txtDeterminant), det);
    EXPECT_EQ(w.text(txtIM(12)), inverse);
    EXPECT_EQ(w.text(txtSol(2)), solution);
    EXPECT_TRUE(w.form.messages().empty());
}

TEST(OptionHandler, ARefusedCoefficientLeavesTheGridEmptyUnderTheNewCaption) {
    Window w;
    EnterSystem(w, {"1", "2", "0", "3", "4", "1", "0", "1", "2"}, {"1", "1", "1"});
    w.logic.cmdSolve_Click();
    w.form.setText(txtMat(32), "x");
    w.form.selectOption(1);
    w.logic.optMat_Click(1);
    EXPECT_THAT(w.form.messages(),
                testing::ElementsAre(Message{"Coefficient in row 3, column 2 is not a number",
                                             "Coefficient ERROR"}));
    EXPECT_EQ(w.form.label({3}).caption, "Matrix of Minors");
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(w.text(txtMinMat(10 * r + c)), "");
        }
    }
    EXPECT_EQ(w.form.focused(), txtMat(32));
    EXPECT_EQ(w.text(txtDeterminant), "-5");  // the last Solve's results stay
}

// The column boxes add up across option clicks; nothing shows them, so a
// total beyond the double range empties its box instead of stopping the grid.
TEST(OptionHandler, HiddenColumnTotalsNeverRaiseAnError) {
    Window w;
    EnterSystem(w, {"9E+153", "9E+153", "0", "9E+153", "-9E+153", "0", "0", "0", "1E-200"},
                {"1", "1", "1"});
    w.logic.cmdSolve_Click();
    for (const int option : {1, 0, 1, 0}) {
        w.form.selectOption(option);
        w.logic.optMat_Click(option);
        EXPECT_TRUE(w.form.messages().empty()) << w.form.messages().front().prompt;
        EXPECT_EQ(w.text(txtMinMat(33)), option == 0 ? "-1.62E+308" : "-1.62E+108");
        EXPECT_NE(w.text(txtMinMat(11)), "");
    }
}

TEST(OptionHandler, TermsBeyondTheDoubleRangeAreShown) {
    Window w;
    EnterSystem(w, {"1E300", "1E300", "1E300", "1E300"}, {"1", "1"});
    w.form.selectOption(1);
    w.logic.optMat_Click(1);
    EXPECT_TRUE(w.form.messages().empty());
    EXPECT_EQ(w.text(txtMinMat(11)), "1E+600");
    EXPECT_EQ(w.text(txtMinMat(12)), "-1E+600");
}

// --- Exact results: fractions, notes and copies ------------------------------

const std::vector<std::string> kDecimalSystem{"0.1", "0.2", "0.3", "0.4", "0.5",
                                              "0.6", "0.7", "0.8", "1"};

TEST(Fractions, TheBoxSwitchesEveryResultBetweenDecimalsAndFractions) {
    Window w;
    EnterSystem(w, kDecimalSystem, {"1", "2", "3"});
    w.logic.cmdSolve_Click();
    EXPECT_EQ(w.text(txtDeterminant), "-0.003");
    EXPECT_EQ(w.text(txtIM(11)), "-6.667");
    EXPECT_EQ(w.text(txtSol(1)), "-3.33333333333333");
    EXPECT_EQ(w.text(txtMinMat(11)), "0.02");

    w.logic.chkFractions_Click(true);
    EXPECT_EQ(w.text(txtDeterminant), "-3/1000");
    EXPECT_EQ(w.text(txtIM(11)), "-20/3");
    EXPECT_EQ(w.text(txtIM(13)), "10");
    EXPECT_EQ(w.text(txtSol(1)), "-10/3");
    EXPECT_EQ(w.text(txtSol(3)), "0");
    EXPECT_EQ(w.text(txtMinMat(11)), "1/50");
    // Under a fraction, the text the cell shows without the box, which a
    // field too narrow draws, marked as rounded only when it is.
    EXPECT_EQ(w.form.field(txtIM(11)).note.note, "-6.66666666666667");
    EXPECT_EQ(w.form.field(txtIM(11)).note, (FieldNote{"-6.66666666666667", "-6.667", false}));
    EXPECT_EQ(w.form.field(txtIM(13)).note, (FieldNote{"", "10.000", true}));
    EXPECT_EQ(w.form.field(txtDeterminant).note, (FieldNote{"-0.003", "-0.003", true}));
    EXPECT_EQ(w.form.field(txtSol(1)).note.fallback, "-3.33333333333333");
    EXPECT_FALSE(w.form.field(txtSol(1)).note.fallbackExact);

    // The option buttons compute the grid again, shown as the box says.
    w.form.selectOption(1);
    w.logic.optMat_Click(1);
    EXPECT_EQ(w.text(txtMinMat(11)), "1/500");
    EXPECT_EQ(w.text(txtMinMat(23)), "9/250");

    w.logic.chkFractions_Click(false);
    EXPECT_EQ(w.text(txtDeterminant), "-0.003");
    EXPECT_EQ(w.text(txtIM(11)), "-6.667");
    EXPECT_EQ(w.text(txtSol(1)), "-3.33333333333333");
    EXPECT_EQ(w.text(txtMinMat(11)), "0.002");
    EXPECT_EQ(w.form.field(txtIM(11)).note.fallback, "");
    EXPECT_TRUE(w.form.messages().empty());
}

// From the first edit of an input after a Solve until the next Solve or
// reset, every result says it is out of date; the option buttons' grid is
// computed again from the inputs as they are, and so is current.
TEST(OutOfDate, AnEditedInputMarksEveryResultUntilTheNextSolve) {
    const auto marks = [](const Window& w) {
        std::vector<bool> marked;
        for (const FieldId id : {txtDeterminant, txtIM(11), txtIM(33), txtSol(2), txtMinMat(23)}) {
            marked.push_back(w.form.field(id).note.outOfDate);
        }
        return marked;
    };
    const std::vector<bool> none(5, false);
    const std::vector<bool> all(5, true);
    for (const FieldId edited : {txtY(3), txtMat(22), txtMatSize}) {
        Window w;
        EnterSystem(w, kDecimalSystem, {"1", "2", "3"});
        w.logic.Field_Edited(txtY(1));  // before any Solve: nothing to mark
        w.logic.cmdSolve_Click();
        EXPECT_EQ(marks(w), none);
        w.logic.Field_Edited(edited);
        EXPECT_EQ(marks(w), edited == txtMatSize ? none : all);
        w.logic.chkFractions_Click(true);
        EXPECT_EQ(marks(w), edited == txtMatSize ? none : all);
        w.form.selectOption(1);
        w.logic.optMat_Click(1);
        EXPECT_FALSE(w.form.field(txtMinMat(23)).note.outOfDate);
        EXPECT_EQ(w.form.field(txtIM(11)).note.outOfDate, edited != txtMatSize);
        w.logic.cmdSolve_Click();
        EXPECT_EQ(marks(w), none);
    }
    // A paste is an edit too; leaving the dimension resets.
    Window w;
    EnterSystem(w, kDecimalSystem, {"1", "2", "3"});
    w.logic.cmdSolve_Click();
    ASSERT_TRUE(w.logic.PasteBlock(txtY(1), "5\n6"));
    EXPECT_EQ(marks(w), all);
    w.enterDimension("3");
    EXPECT_EQ(marks(w), none);
}

TEST(Fractions, NotesGiveTheExactValueWhereTheDecimalIsNot) {
    Window w;
    EnterSystem(w, kDecimalSystem, {"1", "2", "3"});
    w.logic.cmdSolve_Click();
    EXPECT_EQ(w.form.field(txtIM(11)).note.note, "-6.66666666666667\nexactly -20/3");
    EXPECT_EQ(w.form.field(txtIM(13)).note.note, "10");  // exact, in fewer digits
    EXPECT_EQ(w.form.field(txtSol(1)).note.note, "-3.33333333333333\nexactly -10/3");
    EXPECT_EQ(w.form.field(txtSol(3)).note.note, "");
    EXPECT_EQ(w.form.field(txtDeterminant).note.note, "");
    EXPECT_EQ(w.form.field(txtMinMat(11)).note.note, "");
    // A reset clears them with the results.
    w.enterDimension("3");
    EXPECT_EQ(w.form.field(txtIM(11)).note.note, "");
    EXPECT_EQ(w.form.field(txtSol(1)).note.note, "");
    EXPECT_EQ(w.logic.FractionGridText(txtIM(11)), std::nullopt);
}

TEST(Fractions, CopiesGiveFractionsAndTheInverseAtFullPrecision) {
    Window w;
    EnterSystem(w, {"1", "-7", "0", "1", "-9", "4", "-6", "-5", "-2"}, {"-6", "-9", "-8"});
    w.logic.cmdSolve_Click();
    EXPECT_EQ(w.text(txtSol(1)), "0.635416666666667");
    EXPECT_EQ(w.logic.FractionGridText(txtSol(2)), "61/96\n91/96\n-53/192");
    EXPECT_EQ(w.logic.FractionGridText(txtIM(22)),
              "19/96\t-7/96\t-7/48\n-11/96\t-1/96\t-1/48\n-59/192\t47/192\t-1/96");
    EXPECT_EQ(w.logic.FractionGridText(txtMinMat(11)), "38\t22\t-59\n14\t-2\t-47\n-28\t4\t-2");
    EXPECT_EQ(w.logic.FullInverseText(),
              "0.197916666666667\t-0.0729166666666667\t-0.145833333333333\n"
              "-0.114583333333333\t-0.0104166666666667\t-0.0208333333333333\n"
              "-0.307291666666667\t0.244791666666667\t-0.0104166666666667");
    EXPECT_EQ(w.logic.FractionGridText(txtMat(11)), std::nullopt);  // no result grid
    w.logic.chkFractions_Click(true);
    EXPECT_EQ(w.logic.GridText(txtSol(1)), w.logic.FractionGridText(txtSol(1)));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

struct NoteCase {
    const char* text;
    std::optional<std::string> note;
};

// A vector cell says what it is read as when Solve ignores part of it; with
// A = 1 the solution shows that very number.
TEST(ReadingNote, SaysWhatAVectorCellIsReadAs) {
    const NoteCase cases[] = {
        {"1/3", std::nullopt},        {"1,5", "Read as 1"},          {"3-2", "Read as 3"},
        {"$100", "Read as 0"},        {"12abc", "Read as 12"},       {"abc", "Read as 0"},
        {"-2.5e3x", "Read as -2500"}, {"&HFFG", "Read as 255"},      {"12", std::nullopt},
        {"", std::nullopt},           {"  ", std::nullopt},          {"1 000", std::nullopt},
        {"-0.5", std::nullopt},       {"1/3 apples", "Read as 1/3"},
    };
    for (const NoteCase& c : cases) {
        SCOPED_TRACE(c.text);
        Window w;
        w.enterDimension("1");
        w.form.setText(txtMat(11), "1");
        w.form.setText(txtY(1), c.text);
        EXPECT_EQ(w.logic.ReadingNote(txtY(1)), c.note);
        w.logic.chkFractions_Click(true);
        w.logic.cmdSolve_Click();
        ASSERT_TRUE(w.form.messages().empty());
        if (c.note) {
            EXPECT_EQ("Read as " + w.text(txtSol(1)), *c.note);
        }
    }
}

TEST(ReadingNote, OnlyVectorCellsHaveOne) {
    Window w;
    for (const FieldId id : {txtMat(11), txtSol(1), txtMatSize, txtDeterminant, txtIM(12)}) {
        w.form.setText(id, "12abc");
        EXPECT_EQ(w.logic.ReadingNote(id), std::nullopt) << id.index;
    }
    // A number beyond the range has no reading to tell; Solve reports it.
    w.form.setText(txtY(2), "1e999x");
    EXPECT_EQ(w.logic.ReadingNote(txtY(2)), std::nullopt);
}

// The steps are there once a Solve has read A and y, also after a singular
// one, whose box offers them; a reset or a refused cell takes them away.
TEST(ShowSteps, FollowTheSolvesThatReadTheSystem) {
    Window w;
    EXPECT_FALSE(w.form.stepsAvailable());
    EnterSystem(w, {"1", "2", "0", "3", "4", "1", "0", "1", "2"}, {"1", "1/3", "1"});
    w.logic.cmdSolve_Click();
    EXPECT_TRUE(w.form.stepsAvailable());
    ASSERT_TRUE(w.logic.Steps().has_value());
    EXPECT_EQ(w.logic.Steps()->sections.size(), 3U);
    w.logic.cmdSteps_Click();
    EXPECT_EQ(w.form.stepsShown(), 1);

    w.form.setText(txtY(2), "1/0");
    w.logic.cmdSolve_Click();
    EXPECT_FALSE(w.form.stepsAvailable());
    w.logic.cmdSteps_Click();
    EXPECT_EQ(w.form.stepsShown(), 1);

    // Singular: the box offers the steps, and "Show Steps" opens them.
    EnterSystem(w, {"1", "2", "2", "4"}, {"1", "2"});
    w.form.clearMessages();
    w.form.answerShowSteps(true);
    w.logic.cmdSolve_Click();
    ASSERT_EQ(w.form.messages().size(), 1U);
    EXPECT_TRUE(w.form.stepsAvailable());
    EXPECT_EQ(w.form.stepsShown(), 2);
    EXPECT_EQ(w.logic.Steps()->sections.size(), 2U);  // no inverse

    w.enterDimension("2");
    EXPECT_FALSE(w.form.stepsAvailable());
    EXPECT_FALSE(w.logic.Steps().has_value());
}

// "Copy As" of a grid: its exact values in each format; A goes with y.
TEST(CopyAs, GivesTheGridsExactValuesInEachFormat) {
    Window w;
    EnterSystem(w, {"2", "1/2", "-1", "0.25"}, {"1/3", "-2"});
    EXPECT_EQ(w.logic.MatrixAs(txtMat(11), MatrixFormat::octave), "[2 1/2 1/3; -1 1/4 -2]");
    EXPECT_EQ(w.logic.MatrixAs(txtY(2), MatrixFormat::numpy), "np.array([[1/3], [-2]])");
    EXPECT_EQ(w.logic.MatrixAs(txtMat(22), MatrixFormat::spreadsheet),
              "2\t=1/2\t=1/3\n-1\t=1/4\t-2");
    EXPECT_EQ(w.logic.MatrixAs(txtIM(11), MatrixFormat::latex), std::nullopt);
    w.logic.cmdSolve_Click();
    EXPECT_EQ(w.logic.MatrixAs(txtIM(11), MatrixFormat::octave), "[1/4 -1/2; 1 2]");
    const std::optional<std::string> latex = w.logic.MatrixAs(txtMinMat(11), MatrixFormat::latex);
    ASSERT_TRUE(latex.has_value());
    EXPECT_THAT(*latex, testing::StartsWith("\\begin{bmatrix}"));
    EXPECT_THAT(*latex, testing::HasSubstr("\\frac{1}{4} & -1"));
    EXPECT_THAT(*latex, testing::HasSubstr("\\frac{1}{2} & 2"));
    w.form.setText(txtMat(12), "half");
    EXPECT_EQ(w.logic.MatrixAs(txtMat(11), MatrixFormat::octave), std::nullopt);
}

}  // namespace
}  // namespace velmora
