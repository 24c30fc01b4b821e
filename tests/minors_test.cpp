// The grid of minors or determinants and its hidden boxes, on the in-memory
// form: at a Solve and at a switch of the option buttons.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "exact_determinant.h"
#include "form/memory_form.h"
#include "form_texts.h"
#include "numtext/numtext.h"

namespace velmora {
namespace {

using Texts = std::vector<std::vector<std::string>>;

using testing_support::SetMatrix;
using testing_support::Window;

Texts Grid(const MemoryForm& form, int n) {
    Texts grid(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            grid[static_cast<std::size_t>(r - 1)].push_back(form.field(txtMinMat(10 * r + c)).text);
        }
    }
    return grid;
}

std::vector<std::string> Boxes(const MemoryForm& form, FieldId (*box)(int), int n) {
    std::vector<std::string> texts;
    for (int i = 1; i <= n; ++i) {
        texts.push_back(form.field(box(i)).text);
    }
    return texts;
}

double Value(const std::string& text) {
    const StrictNumber number = ReadNumberStrict(text);
    EXPECT_TRUE(number.ok()) << '"' << text << '"';
    return number.value;
}

// A Solve with option `option` selected; gives the determinant shown.
std::string RunGrid(Window& w, int option) {
    w.form.selectOption(option);
    w.logic.cmdSolve_Click();
    return w.form.field(txtDeterminant).text;
}

// The user's click on optMat(index); gives the message boxes it showed.
std::vector<MemoryForm::Message> Click(Window& w, int index) {
    w.form.clearMessages();
    w.form.selectOption(index);
    w.logic.optMat_Click(index);
    return w.form.messages();
}

const Texts k2{{"2", "1"}, {"5", "3"}};
const Texts k3{{"1", "2", "0"}, {"3", "4", "1"}, {"0", "1", "2"}};

struct GridCase {
    const char* name;
    Texts coefficients;
    int option;
    Texts grid;
    const char* det;
};

const GridCase kGridCases[] = {
    {"TwoDeterminants", k2, 0, {{"3", "5"}, {"1", "2"}}, "1"},
    {"TwoMinors", k2, 1, {{"6", "-5"}, {"-5", "6"}}, "1"},
    {"ThreeDeterminants", k3, 0, {{"7", "6", "3"}, {"4", "2", "1"}, {"2", "1", "-2"}}, "-5"},
    {"ThreeMinors", k3, 1, {{"7", "-12", "0"}, {"-12", "8", "-1"}, {"0", "-1", "-4"}}, "-5"},
    // The empty matrix left without the one element has the determinant 1.
    {"OneDeterminants", {{"4"}}, 0, {{"1"}}, "4"},
    {"OneMinors", {{"-2.5"}}, 1, {{"-2.5"}}, "-2.5"},
    // A zero product with a negative factor is shown as 0.
    {"TwoMinorsNegativeZero", {{"-1", "-3"}, {"2", "0"}}, 1, {{"0", "6"}, {"6", "0"}}, "6"},
    {"ThreeNonDecimalCoefficients",
     {{"&H2", "0", "0"}, {"0", "1.5E1", "0"}, {"0", "0", " 1 "}},
     1,
     {{"30", "0", "0"}, {"0", "30", "0"}, {"0", "0", "30"}},
     "30"},
    // Decimals are exact: no residue of their binary values.
    {"ThreeDecimalsDeterminants",
     {{"0.1", "0.2", "0.3"}, {"0.4", "0.5", "0.6"}, {"0.7", "0.8", "1"}},
     0,
     {{"0.02", "-0.02", "-0.03"}, {"-0.04", "-0.11", "-0.06"}, {"-0.03", "-0.06", "-0.03"}},
     "-0.003"},
    {"ThreeDecimalsMinors",
     {{"0.1", "0.2", "0.3"}, {"0.4", "0.5", "0.6"}, {"0.7", "0.8", "1"}},
     1,
     {{"0.002", "0.004", "-0.009"}, {"0.016", "-0.055", "0.036"}, {"-0.021", "0.048", "-0.03"}},
     "-0.003"},
    {"ThreeExactZeroMinor",
     {{"-0.2", "-0.8", "0.8"}, {"-0.1", "0.6", "-0.9"}, {"0", "-0.4", "0.6"}},
     0,
     {{"0", "-0.06", "0.04"}, {"-0.16", "-0.12", "0.08"}, {"0.24", "0.26", "-0.2"}},
     "-0.016"},
};

class MinorsGrid : public testing::TestWithParam<GridCase> {};

TEST_P(MinorsGrid, ShowsTheGridAndHandsBackTheDeterminant) {
    const GridCase& c = GetParam();
    const auto n = static_cast<int>(c.coefficients.size());
    Window w(n);
    MemoryForm& form = w.form;
    SetMatrix(form, c.coefficients);
    EXPECT_EQ(RunGrid(w, c.option), c.det);
    EXPECT_EQ(Grid(form, n), c.grid);
    EXPECT_TRUE(form.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Minors, MinorsGrid, testing::ValuesIn(kGridCases),
                         [](const testing::TestParamInfo<GridCase>& row) {
                             return row.param.name;
                         });

TEST(Minors, ThreeByThreeRowAndColumnBoxes) {
    Window determinants;
    SetMatrix(determinants.form, k3);
    (void)RunGrid(determinants, 0);
    EXPECT_EQ(Boxes(determinants.form, txtDetRow, 3), (std::vector<std::string>{"-5", "-5", "-5"}));
    EXPECT_EQ(Boxes(determinants.form, txtDetCol, 3), (std::vector<std::string>{"13", "9", "2"}));

    Window minors;
    SetMatrix(minors.form, k3);
    (void)RunGrid(minors, 1);
    EXPECT_EQ(Boxes(minors.form, txtDetRow, 3), (std::vector<std::string>{"-5", "-5", "-5"}));
    EXPECT_EQ(Boxes(minors.form, txtDetCol, 3), (std::vector<std::string>{"-5", "-5", "-5"}));
}

// N = 1 and N = 2 fill no hidden box: those of the N x N block keep the
// reset's empty text through a Solve and a switch, the others their texts.
TEST(Minors, SmallSizesFillNoBoxes) {
    for (const int n : {1, 2}) {
        for (const int option : {0, 1}) {
            Window w(n);
            MemoryForm& form = w.form;
            SetMatrix(form, {{"2", "1"}, {"5", "3"}});
            for (int i = n + 1; i <= 6; ++i) {
                form.setText(txtDetRow(i), "r");
                form.setText(txtDetCol(i), "c");
            }
            (void)RunGrid(w, option);
            EXPECT_TRUE(Click(w, 1 - option).empty());
            for (int i = 1; i <= 6; ++i) {
                EXPECT_EQ(form.field(txtDetRow(i)).text, i <= n ? "" : "r") << "n = " << n;
                EXPECT_EQ(form.field(txtDetCol(i)).text, i <= n ? "" : "c") << "n = " << n;
            }
        }
    }
}

// I + J (2 on the diagonal, 1 elsewhere) of size 6 has the determinant 7
// and the cofactors 7I - J: 6 on the diagonal, -1 elsewhere.
TEST(Minors, SixBySixFromFiveByFiveDeterminants) {
    Window w(6);
    MemoryForm& form = w.form;
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            form.setText(txtMat(10 * r + c), r == c ? "2" : "1");
        }
    }
    EXPECT_EQ(RunGrid(w, 0), "7");
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            const double cofactor = r == c ? 6 : -1;
            const double sign = (r + c) % 2 == 0 ? 1 : -1;
            EXPECT_EQ(Value(form.field(txtMinMat(10 * r + c)).text), cofactor * sign) << r << c;
        }
        EXPECT_EQ(form.field(txtDetRow(r)).text, "7");
    }
    EXPECT_EQ(RunGrid(w, 1), "7");
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            EXPECT_EQ(Value(form.field(txtMinMat(10 * r + c)).text), r == c ? 12 : -1) << r << c;
        }
    }
}

// The expansions along every row are exact and agree, also where a term of
// 1E16 meets small ones (in doubles rows 1 and 2 came out differently).
TEST(Minors, EveryRowExpandsToTheSameDeterminant) {
    for (const int option : {0, 1}) {
        Window w;
        MemoryForm& form = w.form;
        SetMatrix(form, {{"3", "1", "-1"}, {"2", "1", "-1"}, {"-1E16", "0", "3"}});
        EXPECT_EQ(RunGrid(w, option), "3");
        EXPECT_EQ(Boxes(form, txtDetRow, 3), (std::vector<std::string>{"3", "3", "3"}));
    }
}

TEST(Minors, FieldsBeyondNAreNeverTouched) {
    for (int n = 1; n <= 6; ++n) {
        for (const int option : {0, 1}) {
            Window w(n);
            MemoryForm& form = w.form;
            for (int r = 1; r <= 6; ++r) {
                for (int c = 1; c <= 6; ++c) {
                    const bool inside = r <= n && c <= n;
                    // Outside N the coefficients would be refused if read.
                    form.setText(txtMat(10 * r + c), inside ? std::to_string(r == c ? 3 : 1) : "x");
                    form.setText(txtMinMat(10 * r + c), "s");
                }
                form.setText(txtDetRow(r), "0");
                form.setText(txtDetCol(r), "0");
            }
            (void)RunGrid(w, option);
            EXPECT_TRUE(Click(w, 1 - option).empty());
            for (int r = 1; r <= 6; ++r) {
                for (int c = 1; c <= 6; ++c) {
                    if (r > n || c > n) {
                        EXPECT_EQ(form.field(txtMinMat(10 * r + c)).text, "s") << n << r << c;
                        EXPECT_EQ(form.field(txtMat(10 * r + c)).text, "x");
                    }
                }
                if (r > n) {
                    EXPECT_EQ(form.field(txtDetRow(r)).text, "0");
                    EXPECT_EQ(form.field(txtDetCol(r)).text, "0");
                }
            }
        }
    }
}

// A switch changes the caption and the grid; the determinant, the inverse
// and the solution keep their texts.
TEST(Minors, OptionSwitchAfterARun) {
    Window w;
    MemoryForm& form = w.form;
    SetMatrix(form, k3);
    testing_support::SetY(form, {"1", "2", "3"});
    (void)RunGrid(w, 0);
    const std::vector<std::string> others = {
        form.field(txtDeterminant).text, form.field(txtIM(11)).text, form.field(txtSol(1)).text};
    EXPECT_EQ(others[0], "-5");

    EXPECT_TRUE(Click(w, 1).empty());
    EXPECT_EQ(form.label(LabelId{3}).caption, "Matrix of Minors");
    EXPECT_EQ(Grid(form, 3), kGridCases[3].grid);

    EXPECT_TRUE(Click(w, 0).empty());
    EXPECT_EQ(form.label(LabelId{3}).caption, "Matrix of Determinants");
    EXPECT_EQ(Grid(form, 3), kGridCases[2].grid);

    EXPECT_EQ((std::vector<std::string>{form.field(txtDeterminant).text, form.field(txtIM(11)).text,
                                        form.field(txtSol(1)).text}),
              others);
}

TEST(Minors, OptionSwitchAtTwoGivesWhatARunWould) {
    Window w(2);
    SetMatrix(w.form, k2);
    (void)RunGrid(w, 0);
    EXPECT_TRUE(Click(w, 1).empty());
    EXPECT_EQ(Grid(w.form, 2), kGridCases[1].grid);
    EXPECT_TRUE(Click(w, 0).empty());
    EXPECT_EQ(Grid(w.form, 2), kGridCases[0].grid);
}

// Only a reset empties the column boxes: every click adds its totals on top.
TEST(Minors, ColumnBoxesAccumulateAcrossClicks) {
    Window w;
    MemoryForm& form = w.form;
    SetMatrix(form, k3);
    (void)RunGrid(w, 0);               // 13 9 2
    EXPECT_TRUE(Click(w, 1).empty());  // each column of Laplace terms adds -5
    EXPECT_EQ(Boxes(form, txtDetCol, 3), (std::vector<std::string>{"8", "4", "-3"}));
    EXPECT_TRUE(Click(w, 0).empty());
    EXPECT_EQ(Boxes(form, txtDetCol, 3), (std::vector<std::string>{"21", "13", "-1"}));
    EXPECT_EQ(Boxes(form, txtDetRow, 3), (std::vector<std::string>{"-5", "-5", "-5"}));
}

// A switch reads the coefficients again. The first text refused in reading
// order (row by row) is reported, whatever comes later; the grid empties
// under the new caption, and the hidden boxes keep the last run's totals.
TEST(Minors, RefusedCoefficientOnAClickEmptiesTheGrid) {
    const std::pair<const char*, const char*> rows[] = {
        {"", "is not a number"},      {"abc", "is not a number"},   {"1,5", "is not a number"},
        {"1.2.3", "is not a number"}, {"1E400", "is out of range"}, {"-1E-400", "is out of range"},
    };
    for (const auto& [refused, reason] : rows) {
        Window w;
        MemoryForm& form = w.form;
        SetMatrix(form, k3);
        (void)RunGrid(w, 0);
        const std::vector<std::string> boxes = Boxes(form, txtDetCol, 3);
        form.setText(txtMat(31), "zz");
        form.setText(txtMat(23), refused);
        EXPECT_THAT(Click(w, 1), testing::ElementsAre(MemoryForm::Message{
                                     std::string("Coefficient in row 2, column 3 ") + reason,
                                     "Coefficient ERROR"}))
            << refused;
        EXPECT_EQ(form.focused(), txtMat(23));
        EXPECT_EQ(form.label(LabelId{3}).caption, "Matrix of Minors");
        EXPECT_EQ(Grid(form, 3), Texts(3, std::vector<std::string>(3)));
        EXPECT_EQ(Boxes(form, txtDetCol, 3), boxes);
        EXPECT_EQ(form.field(txtDeterminant).text, "-5");
    }
    for (const int n : {1, 2, 6}) {
        Window w(n);
        MemoryForm& form = w.form;
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                form.setText(txtMat(10 * r + c), r == c ? "2" : "1");
            }
        }
        (void)RunGrid(w, 0);
        form.setText(txtMat(10 * n + n), "two");
        EXPECT_EQ(Click(w, 1).size(), 1U);
        EXPECT_EQ(Grid(form, n), Texts(static_cast<std::size_t>(n),
                                       std::vector<std::string>(static_cast<std::size_t>(n))));
    }
}

// Exact arithmetic has no overflow: values beyond the double range are
// shown as what they are.
TEST(Minors, ValuesBeyondTheDoubleRangeAreShown) {
    Window w;
    MemoryForm& form = w.form;
    SetMatrix(form, {{"1", "1", "1"}, {"1E300", "1", "1"}, {"0", "1E10", "1"}});
    EXPECT_EQ(RunGrid(w, 0), "9.999999999E+309");
    EXPECT_EQ(Grid(form, 3), (Texts{{"-9999999999", "1E+300", "1E+310"},
                                    {"-9999999999", "1", "10000000000"},
                                    {"0", "-1E+300", "-1E+300"}}));
    EXPECT_EQ(
        Boxes(form, txtDetRow, 3),
        (std::vector<std::string>{"9.999999999E+309", "9.999999999E+309", "9.999999999E+309"}));
    EXPECT_TRUE(form.messages().empty());

    Window two(2);
    SetMatrix(two.form, {{"1E200", "1E200"}, {"1E200", "1E200"}});
    EXPECT_EQ(RunGrid(two, 1), "0");
    EXPECT_EQ(Grid(two.form, 2), (Texts{{"1E+400", "-1E+400"}, {"-1E+400", "1E+400"}}));
}

// The hidden column boxes read the grid back as doubles. The sub-determinants
// add up to 2E+308 in columns 1 and 2, and a cell of 1E+310 cannot be read:
// nothing shows those totals, so the boxes are emptied and start again from 0.
TEST(Minors, AColumnTotalBeyondTheDoubleRangeEmptiesItsBoxOnly) {
    Window w;
    MemoryForm& form = w.form;
    SetMatrix(form, {{"1", "1", "0"}, {"1", "1", "0"}, {"0", "0", "1E308"}});
    (void)RunGrid(w, 1);
    EXPECT_EQ(Boxes(form, txtDetCol, 3), (std::vector<std::string>{"0", "0", "0"}));

    EXPECT_TRUE(Click(w, 0).empty());
    EXPECT_EQ(form.label(LabelId{3}).caption, "Matrix of Determinants");
    EXPECT_EQ(Grid(form, 3),
              (Texts{{"1E+308", "1E+308", "0"}, {"1E+308", "1E+308", "0"}, {"0", "0", "0"}}));
    EXPECT_EQ(Boxes(form, txtDetCol, 3), (std::vector<std::string>{"0", "0", "0"}));

    Window beyond;
    SetMatrix(beyond.form, {{"1", "1", "1"}, {"1E300", "1", "1"}, {"0", "1E10", "1"}});
    (void)RunGrid(beyond, 0);
    EXPECT_EQ(Boxes(beyond.form, txtDetCol, 3),
              (std::vector<std::string>{"-19999999998", "0", "-1E+300"}));
    EXPECT_TRUE(beyond.form.messages().empty());
}

// Random diagonally dominant integer matrices: every value stays an exact
// integer, so the determinant handed back must equal the exact one, under
// "Minors" each row and each column of the grid must add up to it exactly,
// and under "Determinants" each row box (from N = 3) must hold it.
TEST(Minors, RowsAndColumnsOfLaplaceTermsAddUpToTheDeterminant) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> entry(-6, 6);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 2 + trial % 5;
        Window w(n);
        MemoryForm& form = w.form;
        testing_support::IntMatrix a(static_cast<std::size_t>(n),
                                     std::vector<long long>(static_cast<std::size_t>(n)));
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                const int value = entry(random) + (r == c ? 40 : 0);
                a[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] = value;
                form.setText(txtMat(10 * r + c), std::to_string(value));
            }
        }
        const auto det = static_cast<double>(testing_support::ExactDeterminant(a));
        ASSERT_NE(det, 0.0);
        ASSERT_EQ(RunGrid(w, 1), NumberText(det)) << "n = " << n << ", trial " << trial;
        for (int i = 1; i <= n; ++i) {
            double row = 0.0;
            double column = 0.0;
            for (int j = 1; j <= n; ++j) {
                row += Value(form.field(txtMinMat(10 * i + j)).text);
                column += Value(form.field(txtMinMat(10 * j + i)).text);
            }
            ASSERT_EQ(row, det) << "n = " << n << ", row " << i << ", trial " << trial;
            ASSERT_EQ(column, det) << "n = " << n << ", column " << i << ", trial " << trial;
        }
        ASSERT_EQ(RunGrid(w, 0), NumberText(det)) << "n = " << n << ", trial " << trial;
        for (int r = 1; n >= 3 && r <= n; ++r) {
            ASSERT_EQ(Value(form.field(txtDetRow(r)).text), det) << "n = " << n;
        }
    }
}

}  // namespace
}  // namespace velmora
