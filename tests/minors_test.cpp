#include "minors/minors.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "exact/rational.h"
#include "exact_determinant.h"
#include "form/memory_form.h"
#include "form_texts.h"
#include "minors/coefficients.h"
#include "numtext/numtext.h"

namespace velmora {
namespace {

using Texts = std::vector<std::vector<std::string>>;

using testing_support::SetMatrix;

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

// Runs the grid with option `option` selected, as the window does at a
// Solve, and gives the determinant handed back as its text.
std::string RunGrid(MemoryForm& form, std::int16_t n, int option) {
    form.selectOption(option);
    MinorResults out;
    out.determinant = Rational(-123);
    EXPECT_EQ(CalcMinorMatrix(form, n, out), std::nullopt);
    return NumberText(out.determinant);
}

// The user's click on optMat(index).
std::optional<CellProblem> Click(MemoryForm& form, std::int16_t n, int index) {
    form.selectOption(index);
    MinorResults out;
    return optMat_Click(form, n, index, out);
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
    MemoryForm form;
    SetMatrix(form, c.coefficients);
    const auto n = static_cast<std::int16_t>(c.coefficients.size());
    EXPECT_EQ(RunGrid(form, n, c.option), c.det);
    EXPECT_EQ(Grid(form, n), c.grid);
    EXPECT_TRUE(form.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Minors, MinorsGrid, testing::ValuesIn(kGridCases),
                         [](const testing::TestParamInfo<GridCase>& row) {
                             return row.param.name;
                         });

TEST(Minors, ThreeByThreeRowAndColumnBoxes) {
    MemoryForm determinants;
    SetMatrix(determinants, k3);
    (void)RunGrid(determinants, 3, 0);
    EXPECT_EQ(Boxes(determinants, txtDetRow, 3), (std::vector<std::string>{"-5", "-5", "-5"}));
    EXPECT_EQ(Boxes(determinants, txtDetCol, 3), (std::vector<std::string>{"13", "9", "2"}));

    MemoryForm minors;
    SetMatrix(minors, k3);
    (void)RunGrid(minors, 3, 1);
    EXPECT_EQ(Boxes(minors, txtDetRow, 3), (std::vector<std::string>{"-5", "-5", "-5"}));
    EXPECT_EQ(Boxes(minors, txtDetCol, 3), (std::vector<std::string>{"-5", "-5", "-5"}));
}

// N = 1 and N = 2 write only the grid: the hidden boxes keep their texts.
TEST(Minors, SmallSizesLeaveTheBoxesAlone) {
    for (const std::int16_t n : std::vector<std::int16_t>{1, 2}) {
        for (const int option : {0, 1}) {
            MemoryForm form;
            SetMatrix(form, {{"2", "1"}, {"5", "3"}});
            for (int i = 1; i <= 6; ++i) {
                form.setText(txtDetRow(i), "r");
                form.setText(txtDetCol(i), "c");
            }
            (void)RunGrid(form, n, option);
            for (int i = 1; i <= 6; ++i) {
                EXPECT_EQ(form.field(txtDetRow(i)).text, "r") << "n = " << n;
                EXPECT_EQ(form.field(txtDetCol(i)).text, "c") << "n = " << n;
            }
        }
    }
}

// I + J (2 on the diagonal, 1 elsewhere) of size 6 has the determinant 7
// and the cofactors 7I - J: 6 on the diagonal, -1 elsewhere.
TEST(Minors, SixBySixFromFiveByFiveDeterminants) {
    MemoryForm form;
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            form.setText(txtMat(10 * r + c), r == c ? "2" : "1");
        }
    }
    EXPECT_EQ(RunGrid(form, 6, 0), "7");
    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            const double cofactor = r == c ? 6 : -1;
            const double sign = (r + c) % 2 == 0 ? 1 : -1;
            EXPECT_EQ(Value(form.field(txtMinMat(10 * r + c)).text), cofactor * sign) << r << c;
        }
        EXPECT_EQ(form.field(txtDetRow(r)).text, "7");
    }
    EXPECT_EQ(RunGrid(form, 6, 1), "7");
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
        MemoryForm form;
        SetMatrix(form, {{"3", "1", "-1"}, {"2", "1", "-1"}, {"-1E16", "0", "3"}});
        EXPECT_EQ(RunGrid(form, 3, option), "3");
        EXPECT_EQ(Boxes(form, txtDetRow, 3), (std::vector<std::string>{"3", "3", "3"}));
    }
}

TEST(Minors, DimensionOutsideOneToSixIsRefusedWithoutWriting) {
    for (const std::int16_t n : std::vector<std::int16_t>{0, -1, 7}) {
        MemoryForm form;
        SetMatrix(form, k2);
        form.setText(txtMinMat(11), "kept");
        form.setText(txtDetRow(1), "kept");
        MinorResults out;
        out.determinant = Rational(42);
        EXPECT_EQ(CalcMinorMatrix(form, n, out), std::nullopt);
        EXPECT_EQ(NumberText(out.determinant), "42");
        EXPECT_EQ(out.grid.rows(), 0);
        EXPECT_EQ(form.field(txtMinMat(11)).text, "kept");
        EXPECT_EQ(form.field(txtDetRow(1)).text, "kept");
        ASSERT_EQ(form.messages().size(), 1U);
        EXPECT_EQ(form.messages()[0].prompt, "Determinant Matrix ERROR");
        EXPECT_EQ(form.messages()[0].title, "Determinant ERROR");
    }
}

TEST(Minors, FieldsBeyondNAreNeverTouched) {
    for (std::int16_t n = 1; n <= 6; ++n) {
        for (const int option : {0, 1}) {
            MemoryForm form;
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
            form.setText(txtDeterminant, "d");
            (void)RunGrid(form, n, option);
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
            EXPECT_EQ(form.field(txtDeterminant).text, "d");
        }
    }
}

TEST(Minors, OptionSwitchAfterARun) {
    MemoryForm form;
    SetMatrix(form, k3);
    form.setText(txtDeterminant, "-5");
    form.setText(txtIM(11), "1.000");
    form.setText(txtSol(1), "7");
    (void)RunGrid(form, 3, 0);

    EXPECT_EQ(Click(form, 3, 1), std::nullopt);
    EXPECT_EQ(form.label(LabelId{3}).caption, "Matrix of Minors");
    EXPECT_EQ(Grid(form, 3), kGridCases[3].grid);

    EXPECT_EQ(Click(form, 3, 0), std::nullopt);
    EXPECT_EQ(form.label(LabelId{3}).caption, "Matrix of Determinants");
    EXPECT_EQ(Grid(form, 3), kGridCases[2].grid);

    EXPECT_EQ(form.field(txtDeterminant).text, "-5");
    EXPECT_EQ(form.field(txtIM(11)).text, "1.000");
    EXPECT_EQ(form.field(txtSol(1)).text, "7");
    EXPECT_TRUE(form.messages().empty());
}

TEST(Minors, OptionSwitchAtTwoGivesWhatARunWould) {
    MemoryForm form;
    SetMatrix(form, k2);
    (void)RunGrid(form, 2, 0);
    EXPECT_EQ(Click(form, 2, 1), std::nullopt);
    EXPECT_EQ(Grid(form, 2), kGridCases[1].grid);
    EXPECT_EQ(Click(form, 2, 0), std::nullopt);
    EXPECT_EQ(Grid(form, 2), kGridCases[0].grid);
}

// Only a reset empties the column boxes: every click adds its totals on top.
TEST(Minors, ColumnBoxesAccumulateAcrossClicks) {
    MemoryForm form;
    SetMatrix(form, k3);
    (void)RunGrid(form, 3, 0);                   // 13 9 2
    EXPECT_EQ(Click(form, 3, 1), std::nullopt);  // each column of Laplace terms adds -5
    EXPECT_EQ(Boxes(form, txtDetCol, 3), (std::vector<std::string>{"8", "4", "-3"}));
    EXPECT_EQ(Click(form, 3, 0), std::nullopt);
    EXPECT_EQ(Boxes(form, txtDetCol, 3), (std::vector<std::string>{"21", "13", "-1"}));
    EXPECT_EQ(Boxes(form, txtDetRow, 3), (std::vector<std::string>{"-5", "-5", "-5"}));
}

// The refused texts are ReadNumberStrict's; the first one in reading order
// (row by row) is reported, whatever comes later.
TEST(Minors, RefusedCoefficientIsMetBeforeTheGridIsTouched) {
    const std::pair<const char*, ReadError> rows[] = {
        {"", ReadError::syntax},          {"abc", ReadError::syntax},
        {"1,5", ReadError::syntax},       {"1.2.3", ReadError::syntax},
        {"1E400", ReadError::outOfRange}, {"-1E-400", ReadError::outOfRange},
    };
    for (const auto& [refused, reason] : rows) {
        MemoryForm form;
        SetMatrix(form, k3);
        form.setText(txtMat(31), "zz");
        form.setText(txtMat(23), refused);
        for (int k : {11, 12, 13, 21, 22, 23, 31, 32, 33}) {
            form.setText(txtMinMat(k), "old");
        }
        form.setText(txtDetCol(1), "old");
        MinorResults out;
        out.determinant = Rational(9);
        EXPECT_EQ(CalcMinorMatrix(form, 3, out), (CellProblem{txtMat(23), reason})) << refused;
        EXPECT_EQ(NumberText(out.determinant), "9");
        EXPECT_EQ(Grid(form, 3), Texts(3, std::vector<std::string>(3, "old")));
        EXPECT_EQ(form.field(txtDetCol(1)).text, "old");
    }
}

TEST(Minors, RefusedCoefficientOnAClickEmptiesTheGrid) {
    for (const std::int16_t n : std::vector<std::int16_t>{1, 2, 3, 6}) {
        MemoryForm form;
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                form.setText(txtMat(10 * r + c), r == c ? "2" : "1");
            }
        }
        (void)RunGrid(form, n, 0);
        form.setText(txtMat(10 * n + n), "two");
        EXPECT_EQ(Click(form, n, 1), (CellProblem{txtMat(10 * n + n), ReadError::syntax}));
        EXPECT_EQ(form.label(LabelId{3}).caption, "Matrix of Minors");
        EXPECT_EQ(Grid(form, n), Texts(static_cast<std::size_t>(n),
                                       std::vector<std::string>(static_cast<std::size_t>(n))));
    }
}

// Exact arithmetic has no overflow: values beyond the double range are
// shown as what they are.
TEST(Minors, ValuesBeyondTheDoubleRangeAreShown) {
    MemoryForm form;
    SetMatrix(form, {{"1", "1", "1"}, {"1E300", "1", "1"}, {"0", "1E10", "1"}});
    EXPECT_EQ(RunGrid(form, 3, 0), "9.999999999E+309");
    EXPECT_EQ(Grid(form, 3), (Texts{{"-9999999999", "1E+300", "1E+310"},
                                    {"-9999999999", "1", "10000000000"},
                                    {"0", "-1E+300", "-1E+300"}}));
    EXPECT_EQ(
        Boxes(form, txtDetRow, 3),
        (std::vector<std::string>{"9.999999999E+309", "9.999999999E+309", "9.999999999E+309"}));
    EXPECT_TRUE(form.messages().empty());

    MemoryForm two;
    SetMatrix(two, {{"1E200", "1E200"}, {"1E200", "1E200"}});
    EXPECT_EQ(RunGrid(two, 2, 1), "0");
    EXPECT_EQ(Grid(two, 2), (Texts{{"1E+400", "-1E+400"}, {"-1E+400", "1E+400"}}));
}

// The hidden column boxes read the grid back as doubles. The sub-determinants
// add up to 2E+308 in columns 1 and 2, and a cell of 1E+310 cannot be read:
// nothing shows those totals, so the boxes are emptied and start again from 0.
TEST(Minors, AColumnTotalBeyondTheDoubleRangeEmptiesItsBoxOnly) {
    MemoryForm form;
    SetMatrix(form, {{"1", "1", "0"}, {"1", "1", "0"}, {"0", "0", "1E308"}});
    (void)RunGrid(form, 3, 1);
    EXPECT_EQ(Boxes(form, txtDetCol, 3), (std::vector<std::string>{"0", "0", "0"}));

    EXPECT_EQ(Click(form, 3, 0), std::nullopt);
    EXPECT_EQ(form.label(LabelId{3}).caption, "Matrix of Determinants");
    EXPECT_EQ(Grid(form, 3),
              (Texts{{"1E+308", "1E+308", "0"}, {"1E+308", "1E+308", "0"}, {"0", "0", "0"}}));
    EXPECT_EQ(Boxes(form, txtDetCol, 3), (std::vector<std::string>{"0", "0", "0"}));

    MemoryForm beyond;
    SetMatrix(beyond, {{"1", "1", "1"}, {"1E300", "1", "1"}, {"0", "1E10", "1"}});
    (void)RunGrid(beyond, 3, 0);
    EXPECT_EQ(Boxes(beyond, txtDetCol, 3),
              (std::vector<std::string>{"-19999999998", "0", "-1E+300"}));
    EXPECT_TRUE(form.messages().empty());
}

// Random diagonally dominant integer matrices: every value stays an exact
// integer, so the determinant handed back must equal the exact one, under
// "Minors" each row and each column of the grid must add up to it exactly,
// and under "Determinants" each row box (from N = 3) must hold it.
TEST(Minors, RowsAndColumnsOfLaplaceTermsAddUpToTheDeterminant) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> entry(-6, 6);
    for (int trial = 0; trial < 300; ++trial) {
        const auto n = static_cast<std::int16_t>(2 + trial % 5);
        MemoryForm form;
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
        ASSERT_EQ(RunGrid(form, n, 1), NumberText(det)) << "n = " << n << ", trial " << trial;
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
        ASSERT_EQ(RunGrid(form, n, 0), NumberText(det)) << "n = " << n << ", trial " << trial;
        for (int r = 1; n >= 3 && r <= n; ++r) {
            ASSERT_EQ(Value(form.field(txtDetRow(r)).text), det) << "n = " << n;
        }
    }
}

}  // namespace
}  // namespace velmora
