#include "solver/solver.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "determinant/matrix.h"
#include "exact_determinant.h"
#include "form/memory_form.h"
#include "form_texts.h"
#include "minors/coefficients.h"
#include "numtext/arithmetic_overflow.h"

namespace velmora {
namespace {

using testing_support::Column;
using testing_support::Grid;
using testing_support::Identity;
using testing_support::Parse;
using testing_support::Rows;
using testing_support::SetMatrix;
using testing_support::SetY;
using testing_support::Texts;

constexpr std::string_view kZeroPrompt =
    "Inverse Matrix NOT Solvable, Check for Proportionate ROWS";
constexpr std::string_view kZeroTitle = "ZERO Determinant";
constexpr std::string_view kSingularPrompt =
    "Inverse Matrix NOT Solvable, the Matrix is Singular to Working Precision";
constexpr std::string_view kSingularTitle = "Singular Matrix ERROR";

std::string Text(const MemoryForm& form, FieldId id) {
    return form.field(id).text;
}

// Every result field of the whole window, for "same texts again" and "no inf".
Texts AllResults(const MemoryForm& form) {
    Texts texts = Grid(form, txtIM, 6);
    for (const std::string& t : Grid(form, txtMinMat, 6)) {
        texts.push_back(t);
    }
    for (FieldId (*array)(int) : {txtSol, txtDetRow, txtDetCol}) {
        for (const std::string& t : Column(form, array, 6)) {
            texts.push_back(t);
        }
    }
    texts.push_back(Text(form, txtDeterminant));
    return texts;
}

void ExpectNoInfOrNan(const MemoryForm& form) {
    for (std::string t : AllResults(form)) {
        for (char& ch : t) {
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        }
        EXPECT_EQ(t.find("inf"), std::string::npos) << t;
        EXPECT_EQ(t.find("nan"), std::string::npos) << t;
    }
}

// --- The worked examples and the fixed cases -------------------------------

struct SolveCase {
    const char* name;
    Rows a;
    Texts y;
    std::string determinant;
    Texts inverse;   // txtIM row by row
    Texts solution;  // txtSol
};

void PrintTo(const SolveCase& tc, std::ostream* os) {
    *os << tc.name;
}

class SolveExamples : public ::testing::TestWithParam<SolveCase> {};

TEST_P(SolveExamples, ShowsDeterminantInverseAndSolution) {
    const SolveCase& tc = GetParam();
    const auto n = static_cast<std::int16_t>(tc.a.size());
    for (const int option : {0, 1}) {
        MemoryForm form;
        form.selectOption(option);
        SetMatrix(form, tc.a);
        SetY(form, tc.y);
        cmdSolve_Click(form, n);

        EXPECT_EQ(Text(form, txtDeterminant), tc.determinant) << "option " << option;
        EXPECT_EQ(Grid(form, txtIM, n), tc.inverse) << "option " << option;
        EXPECT_EQ(Column(form, txtSol, n), tc.solution) << "option " << option;
        EXPECT_TRUE(form.messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Solver, SolveExamples,
    ::testing::Values(
        SolveCase{"TwoByTwo",
                  {{"2", "1"}, {"1", "3"}},
                  {"3", "5"},
                  "5",
                  {".600", "-.200", "-.200", ".400"},
                  {"0.8", "1.4"}},
        SolveCase{"TwoByTwoSecond",
                  {{"4", "2"}, {"1", "3"}},
                  {"1", "1"},
                  "10",
                  {".300", "-.200", "-.100", ".400"},
                  {"0.1", "0.3"}},
        // A(2, 2) becomes 0 at pivot 1 and row 3 is added to row 2.
        SolveCase{
            "LookAhead",
            {{"1", "1", "1"}, {"1", "1", "0"}, {"0", "1", "2"}},
            {"1", "2", "3"},
            "1",
            {"2.000", "-1.000", "-1.000", "-2.000", "2.000", "1.000", "1.000", "-1.000", ".000"},
            {"-3", "5", "-1"}},
        SolveCase{"OneByOne", {{"4"}}, {"2"}, "4", {".250"}, {"0.5"}},
        // A(1, 1) is 0 at pivot 1: rows 1 and 2 are exchanged.
        SolveCase{"ZeroFirstPivot",
                  {{"0", "1"}, {"1", "0"}},
                  {"2", "3"},
                  "-1",
                  {".000", "1.000", "1.000", ".000"},
                  {"3", "2"}},
        SolveCase{"SnapsWithinTolerance",
                  {{"1", "0"}, {"0", "1"}},
                  {"2.0000004", "3"},
                  "1",
                  {"1.000", ".000", ".000", "1.000"},
                  {"2", "3"}},
        SolveCase{"KeepsBeyondTolerance",
                  {{"1", "0"}, {"0", "1"}},
                  {"2.00001", "3"},
                  "1",
                  {"1.000", ".000", ".000", "1.000"},
                  {"2.00001", "3"}},
        SolveCase{"EmptyRightHandSide",
                  {{"2", "1"}, {"1", "3"}},
                  {"", ""},
                  "5",
                  {".600", "-.200", "-.200", ".400"},
                  {"0", "0"}},
        SolveCase{"LenientRightHandSide",
                  {{"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}},
                  {"12abc", "1,5", "1 000"},
                  "1",
                  {"1.000", ".000", ".000", ".000", "1.000", ".000", ".000", ".000", "1.000"},
                  {"12", "1", "1000"}},
        // Snapped from below to a negative zero: shown without a sign.
        SolveCase{"SnappedNegativeZero",
                  {{"1", "0"}, {"0", "1"}},
                  {"-0.0000001", "3"},
                  "1",
                  {"1.000", ".000", ".000", "1.000"},
                  {"0", "3"}},
        // p = -1 turns the zero W(1, 2) into -0.
        SolveCase{"NegativeZeroInInverse",
                  {{"-1", "0"}, {"0", "1"}},
                  {"0.0000001", "-0.0000004"},
                  "-1",
                  {"-1.000", ".000", ".000", "1.000"},
                  {"0", "0"}},
        // Without row exchanges a residue of 1E-16 becomes a pivot.
        SolveCase{"ResidueAsPivot",
                  {{"1", "-1", "1", "-1"},
                   {"0", "1", "-3", "1"},
                   {"-3", "2", "0", "0"},
                   {"1", "0", "1", "-1"}},
                  {"1", "2", "3", "4"},
                  "6",
                  {"-.667", ".000", "-.333", ".667", "-1.000", ".000", ".000", "1.000", "-.833",
                   "-.500", "-.167", ".333", "-1.500", "-.500", "-.500", ".000"},
                  {"1", "3", "-1", "-4"}},
        // Scaling row 2 by 1E-17 and subtracting row 1 loses row 2.
        SolveCase{"TinyFirstPivot",
                  {{"1E-17", "1"}, {"1", "1"}},
                  {"1", "2"},
                  "-1",
                  {"-1.000", "1.000", "1.000", ".000"},
                  {"1", "1"}},
        // The scaling factor 1E-200 / 1E+200 lies below the double range.
        SolveCase{"ScalingUnderflow",
                  {{"1E-200", "1"}, {"1E200", "1"}},
                  {"1", "1"},
                  "-1E+200",
                  {".000", ".000", "1.000", ".000"},
                  {"0", "1"}},
        // Row 2 would be scaled by 1E+600.
        SolveCase{"ScalingOverflow",
                  {{"1E300", "1"}, {"1E-300", "1"}},
                  {"1", "1"},
                  "1E+300",
                  {".000", ".000", ".000", "1.000"},
                  {"0", "1"}},
        // Row 2 would be scaled by 1E+300 into an infinite pivot; x(2) =
        // 1E-300 is within the tolerance of 0.
        SolveCase{"InfinitePivot",
                  {{"1", "0"}, {"1E-300", "1E300"}},
                  {"1", "1"},
                  "1E+300",
                  {"1.000", ".000", ".000", ".000"},
                  {"1", "0"}}),
    [](const ::testing::TestParamInfo<SolveCase>& info) { return std::string(info.param.name); });

// --- Zero determinant, and a matrix singular to working precision -----------

struct SingularCase {
    const char* name;
    Rows a;
    bool zeroDeterminant;  // else: the cofactors give a residue, not 0
    std::string determinant = "0";
};

void PrintTo(const SingularCase& tc, std::ostream* os) {
    *os << tc.name;
}

class SingularMatrices : public ::testing::TestWithParam<SingularCase> {};

TEST_P(SingularMatrices, ShowMessageAndKeepTheReset) {
    const SingularCase& tc = GetParam();
    const auto n = static_cast<std::int16_t>(tc.a.size());
    MemoryForm form;
    SetMatrix(form, tc.a);
    // Not read: a zero determinant stops before the right-hand side.
    SetY(form, Texts(tc.a.size(), "1E400"));
    form.setText(txtSol(1), "old");
    cmdSolve_Click(form, n);

    ASSERT_EQ(form.messages().size(), 1U);
    EXPECT_EQ(form.messages()[0].prompt, tc.zeroDeterminant ? kZeroPrompt : kSingularPrompt);
    EXPECT_EQ(form.messages()[0].title, tc.zeroDeterminant ? kZeroTitle : kSingularTitle);
    // The determinant as the cofactor expansion gave it, and its grid.
    EXPECT_EQ(Text(form, txtDeterminant), tc.determinant);
    if (n >= 2) {
        EXPECT_NE(Text(form, txtMinMat(11)), "");
    }
    EXPECT_EQ(Grid(form, txtIM, n), Identity(n));
    EXPECT_EQ(Column(form, txtSol, n), Texts(tc.a.size(), ""));
}

INSTANTIATE_TEST_SUITE_P(
    Solver, SingularMatrices,
    ::testing::Values(
        SingularCase{"ProportionalRows", {{"1", "2"}, {"2", "4"}}, true},
        SingularCase{"OneByOneZero", {{"0"}}, true},
        SingularCase{
            "DependentRowsThree", {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}, true},
        // The cofactors give 49 - fl(49 * (1 - 2^-53)) = 2^-47, but the rows
        // differ by less than the rounding of one entry.
        SingularCase{"RowsEqualToWorkingPrecision",
                     {{"1", "0.9999999999999999"}, {"49", "49"}},
                     false,
                     "7.105427357601E-15"},
        // Row 1 - 2 row 2 + row 3 = 0 in decimals, but not in binary.
        SingularCase{"DecimalDependence",
                     {{"0.1", "0.2", "0.3"}, {"0.4", "0.5", "0.6"}, {"0.7", "0.8", "0.9"}},
                     false,
                     "-1.04083408558608E-17"},
        // Singular when the columns are scaled alike: a(2, 2) differs from
        // the value that makes it singular only in the last bit.
        SingularCase{"ColumnsOfDifferentMagnitude",
                     {{"1E300", "1"}, {"1", "1.0000000000000002E-300"}},
                     false,
                     "2.22044604925031E-16"}),
    [](const ::testing::TestParamInfo<SingularCase>& info) {
        return std::string(info.param.name);
    });

// --- Refused coefficients ---------------------------------------------------

struct RefusedCase {
    const char* name;
    std::vector<std::pair<int, std::string>> cells;  // 10 * row + column, text
    int row;
    int column;
    bool outOfRange = false;
};

void PrintTo(const RefusedCase& tc, std::ostream* os) {
    *os << tc.name;
}

class RefusedCoefficients : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCoefficients, ReportFirstInReadingOrderAfterTheReset) {
    const RefusedCase& tc = GetParam();
    MemoryForm form;
    SetMatrix(form, {{"1", "2", "0"}, {"3", "4", "1"}, {"0", "1", "2"}});
    for (const auto& [k, text] : tc.cells) {
        form.setText(txtMat(k), text);
    }
    for (int k : {11, 12, 13, 21, 22, 23, 31, 32, 33}) {
        form.setText(txtIM(k), "old");
        form.setText(txtMinMat(k), "old");
    }
    form.setText(txtDeterminant, "old");
    form.setText(txtSol(2), "old");

    try {
        cmdSolve_Click(form, 3);
        FAIL() << "no CoefficientError";
    } catch (const CoefficientError& e) {
        EXPECT_EQ(e.row(), tc.row);
        EXPECT_EQ(e.column(), tc.column);
        const std::string reason = tc.outOfRange ? "is out of range" : "is not a number";
        EXPECT_EQ(e.what(), "Coefficient in row " + std::to_string(tc.row) + ", column " +
                                std::to_string(tc.column) + " " + reason);
    }
    EXPECT_EQ(Grid(form, txtIM, 3), Identity(3));
    EXPECT_EQ(Grid(form, txtMinMat, 3), Texts(9, ""));
    EXPECT_EQ(Column(form, txtSol, 3), Texts(3, ""));
    EXPECT_EQ(Text(form, txtDeterminant), "");
    EXPECT_TRUE(form.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Solver, RefusedCoefficients,
    ::testing::Values(RefusedCase{"Empty", {{33, ""}}, 3, 3},
                      RefusedCase{"Letters", {{22, "abc"}}, 2, 2},
                      RefusedCase{"Comma", {{12, "1,5"}}, 1, 2},
                      RefusedCase{"BeyondRange", {{31, "1E400"}}, 3, 1, true},
                      RefusedCase{"NegativeBeyondRange", {{23, "-1.8E308"}}, 2, 3, true},
                      RefusedCase{"WideHexadecimal", {{11, "&H1FFFFFFFFFFFFFFFF"}}, 1, 1, true},
                      // Row by row: (1, 3) comes before (2, 1).
                      RefusedCase{"RowByRow", {{21, "x"}, {13, "y"}}, 1, 3}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

// --- Overflow ---------------------------------------------------------------

struct OverflowCase {
    const char* name;
    Rows a;
    Texts y;
    std::string determinant;
    Texts grid;  // txtMinMat, "Determinants"
};

void PrintTo(const OverflowCase& tc, std::ostream* os) {
    *os << tc.name;
}

class Overflow : public ::testing::TestWithParam<OverflowCase> {};

// The determinant and the grid are known by then and stay; the inverse and
// the solution are not written.
TEST_P(Overflow, KeepsDeterminantAndGrid) {
    const OverflowCase& tc = GetParam();
    const auto n = static_cast<std::int16_t>(tc.a.size());
    MemoryForm form;
    SetMatrix(form, tc.a);
    SetY(form, tc.y);
    EXPECT_THROW(cmdSolve_Click(form, n), ArithmeticOverflow);
    EXPECT_EQ(Text(form, txtDeterminant), tc.determinant);
    EXPECT_EQ(Grid(form, txtMinMat, n), tc.grid);
    EXPECT_EQ(Grid(form, txtIM, n), Identity(n));
    EXPECT_EQ(Column(form, txtSol, n), Texts(tc.y.size(), ""));
    ExpectNoInfOrNan(form);
}

INSTANTIATE_TEST_SUITE_P(Solver, Overflow,
                         ::testing::Values(
                             // The inverse is diag(2, 1): 2 * 1E308.
                             OverflowCase{"SolutionProduct",
                                          {{"0.5", "0"}, {"0", "1"}},
                                          {"1E308", "1"},
                                          "0.5",
                                          {"1", "0", "0", "0.5"}},
                             // The inverse is 1 -1 / 0 1: 1E308 + 1E308.
                             OverflowCase{"SolutionSum",
                                          {{"1", "1"}, {"0", "1"}},
                                          {"1E308", "-1E308"},
                                          "1",
                                          {"1", "0", "1", "1"}},
                             OverflowCase{"RightHandSideBeyondRange",
                                          {{"1", "2", "0"}, {"3", "4", "1"}, {"0", "1", "2"}},
                                          {"1E400", "1", "1"},
                                          "-5",
                                          {"7", "6", "3", "4", "2", "1", "2", "1", "-2"}},
                             // diag(1E-310, 1) is regular, but its inverse holds 1E+310.
                             OverflowCase{"InverseBeyondRange",
                                          {{"1E-310", "0"}, {"0", "1"}},
                                          {"0", "0"},
                                          "9.99999999999997E-311",
                                          {"1", "0", "0", "9.99999999999997E-311"}}),
                         [](const ::testing::TestParamInfo<OverflowCase>& info) {
                             return std::string(info.param.name);
                         });

// --- Repeats and untouched fields ---------------------------------------------

TEST(Solver, SolvingTwiceShowsTheSameTexts) {
    for (const int option : {0, 1}) {
        MemoryForm form;
        form.selectOption(option);
        SetMatrix(form, {{"1", "1", "1"}, {"1", "1", "0"}, {"0", "1", "2"}});
        SetY(form, {"1", "2", "3"});
        cmdSolve_Click(form, 3);
        const Texts first = AllResults(form);
        cmdSolve_Click(form, 3);
        EXPECT_EQ(AllResults(form), first);
    }
}

TEST(Solver, LeavesFieldsBeyondNAlone) {
    for (const bool singular : {false, true}) {
        MemoryForm form;
        SetMatrix(form, {{"2", "1"}, {"1", singular ? "0.5" : "3"}});
        SetY(form, {"3", "5"});
        std::vector<FieldId> beyond;
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 6; ++c) {
                if (r > 2 || c > 2) {
                    beyond.push_back(txtIM(10 * r + c));
                    beyond.push_back(txtMinMat(10 * r + c));
                    beyond.push_back(txtMat(10 * r + c));
                }
            }
        }
        for (int i = 3; i <= 6; ++i) {
            for (FieldId (*array)(int) : {txtSol, txtY, txtDetRow, txtDetCol}) {
                beyond.push_back(array(i));
            }
        }
        for (std::size_t i = 0; i < beyond.size(); ++i) {
            form.setText(beyond[i], "keep" + std::to_string(i));
        }
        cmdSolve_Click(form, 2);
        for (std::size_t i = 0; i < beyond.size(); ++i) {
            EXPECT_EQ(Text(form, beyond[i]), "keep" + std::to_string(i));
        }
        EXPECT_EQ(form.messages().size(), singular ? 1U : 0U);
    }
}

// --- Against an exact inverse -------------------------------------------------

using testing_support::ExactDeterminant;
using testing_support::IntMatrix;

// inverse(r, c) = (-1)^(r + c) * det(A without row c and column r) / det(A)
std::vector<std::vector<double>> ExactInverse(const IntMatrix& m, long long det) {
    const auto n = m.size();
    std::vector<std::vector<double>> inv(n, std::vector<double>(n));
    for (std::size_t r = 0; r < n; ++r) {
        for (std::size_t c = 0; c < n; ++c) {
            IntMatrix minor;
            for (std::size_t i = 0; i < n; ++i) {
                if (i == c) {
                    continue;
                }
                std::vector<long long> row;
                for (std::size_t j = 0; j < n; ++j) {
                    if (j != r) {
                        row.push_back(m[i][j]);
                    }
                }
                minor.push_back(row);
            }
            const long long cofactor = ((r + c) % 2 == 0 ? 1 : -1) * ExactDeterminant(minor);
            inv[r][c] = static_cast<double>(static_cast<long double>(cofactor) /
                                            static_cast<long double>(det));
        }
    }
    return inv;
}

void Enter(MemoryForm& form, const IntMatrix& m) {
    for (std::size_t r = 0; r < m.size(); ++r) {
        for (std::size_t c = 0; c < m.size(); ++c) {
            form.setText(txtMat(static_cast<int>(10 * (r + 1) + c + 1)), std::to_string(m[r][c]));
        }
    }
}

// txtIM shows the exact inverse rounded to three decimals, in the pattern
// "###.000" (no leading zero, no "-.000").
void ExpectInverseShown(const MemoryForm& form, const IntMatrix& m) {
    const long long det = ExactDeterminant(m);
    ASSERT_NE(det, 0);
    EXPECT_EQ(Parse(Text(form, txtDeterminant)), static_cast<double>(det));
    const auto inv = ExactInverse(m, det);
    static const std::regex pattern(R"(-?([1-9][0-9]*)?\.[0-9]{3})");
    const auto n = static_cast<int>(m.size());
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            const std::string text = Text(form, txtIM(10 * r + c));
            const double exact =
                inv[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            EXPECT_TRUE(std::regex_match(text, pattern)) << text;
            EXPECT_NE(text, "-.000");
            EXPECT_LE(std::abs(Parse(text) - exact), 0.0005 + 1E-12)
                << "cell " << r << c << ": " << text << " vs " << exact;
        }
    }
}

class ExactInverses : public ::testing::TestWithParam<IntMatrix> {};

TEST_P(ExactInverses, MatchTheShownInverse) {
    const IntMatrix& m = GetParam();
    MemoryForm form;
    Enter(form, m);
    cmdSolve_Click(form, static_cast<std::int16_t>(m.size()));
    EXPECT_TRUE(form.messages().empty());
    ExpectInverseShown(form, m);
}

// Zero pivots that need an exchange beyond the next row, or that the
// look-ahead step leaves zero.
INSTANTIATE_TEST_SUITE_P(
    ZeroPivots, ExactInverses,
    ::testing::Values(IntMatrix{{0, 1, 2}, {0, 3, 1}, {5, 0, 1}},
                      IntMatrix{{0, 0, 1}, {0, 1, 0}, {1, 0, 0}},
                      IntMatrix{{1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}, {0, 1, 0, 0}},
                      IntMatrix{{2, 1, 0}, {4, 2, 1}, {0, 3, 1}},
                      IntMatrix{{0, 2, 0, 0, 0, 1},
                                {0, 0, 3, 0, 0, 0},
                                {1, 0, 0, 0, 2, 0},
                                {0, 0, 0, 0, 4, 0},
                                {0, 0, 0, 5, 0, 0},
                                {0, 1, 0, 0, 0, 6}}));

// --- Properties for random well-conditioned matrices ------------------------------

// Diagonally dominant integer matrices, optionally with their rows shuffled
// so that zero pivots and the look-ahead step occur.
IntMatrix RandomMatrix(std::mt19937& rng, int n, bool shuffle) {
    std::uniform_int_distribution<int> off(-3, 3);
    std::uniform_int_distribution<int> margin(1, 3);
    std::bernoulli_distribution negative(0.3);
    IntMatrix m(static_cast<std::size_t>(n), std::vector<long long>(static_cast<std::size_t>(n)));
    for (std::size_t r = 0; r < m.size(); ++r) {
        long long sum = 0;
        for (std::size_t c = 0; c < m.size(); ++c) {
            if (r != c) {
                m[r][c] = off(rng);
                sum += std::abs(m[r][c]);
            }
        }
        m[r][r] = (sum + margin(rng)) * (negative(rng) ? -1 : 1);
    }
    if (shuffle) {
        std::shuffle(m.begin(), m.end(), rng);
    }
    return m;
}

// |A x - y| within 1E-9 of the size of the terms, row by row.
void ExpectSolves(const IntMatrix& m, const std::vector<double>& x, const std::vector<double>& y) {
    for (std::size_t r = 0; r < m.size(); ++r) {
        double sum = 0.0;
        double scale = std::abs(y[r]);
        for (std::size_t c = 0; c < m.size(); ++c) {
            sum += static_cast<double>(m[r][c]) * x[c];
            scale += std::abs(static_cast<double>(m[r][c]) * x[c]);
        }
        EXPECT_LE(std::abs(sum - y[r]), 1E-9 * std::max(scale, 1.0)) << "row " << r + 1;
    }
}

class RandomMatrices : public ::testing::TestWithParam<int> {};

TEST_P(RandomMatrices, InverseAndSolutionHold) {
    const int n = GetParam();
    std::mt19937 rng(20240601U + static_cast<unsigned>(n));
    std::uniform_int_distribution<int> rhs(-20, 20);
    int zeroPivots = 0;
    for (int trial = 0; trial < 40; ++trial) {
        const IntMatrix m = RandomMatrix(rng, n, trial % 2 == 1);
        zeroPivots += m[0][0] == 0 ? 1 : 0;
        SCOPED_TRACE("trial " + std::to_string(trial));
        MemoryForm form;
        form.selectOption(trial % 3 == 0 ? 1 : 0);
        Enter(form, m);

        // Unit vectors as y: the solution is a column of the full-precision
        // inverse, which must give A W = I.
        std::vector<std::vector<double>> w(static_cast<std::size_t>(n));
        for (int c = 1; c <= n; ++c) {
            for (int i = 1; i <= n; ++i) {
                form.setText(txtY(i), i == c ? "1" : "0");
            }
            cmdSolve_Click(form, static_cast<std::int16_t>(n));
            ASSERT_TRUE(form.messages().empty());
            for (int r = 1; r <= n; ++r) {
                w[static_cast<std::size_t>(c - 1)].push_back(Parse(Text(form, txtSol(r))));
            }
        }
        for (std::size_t c = 0; c < w.size(); ++c) {
            std::vector<double> unit(w.size(), 0.0);
            unit[c] = 1.0;
            ExpectSolves(m, w[c], unit);
        }
        ExpectInverseShown(form, m);

        // A random integer right-hand side.
        std::vector<double> y;
        for (int i = 1; i <= n; ++i) {
            const int value = rhs(rng);
            y.push_back(value);
            form.setText(txtY(i), std::to_string(value));
        }
        cmdSolve_Click(form, static_cast<std::int16_t>(n));
        std::vector<double> x;
        for (int r = 1; r <= n; ++r) {
            x.push_back(Parse(Text(form, txtSol(r))));
        }
        ExpectSolves(m, x, y);
    }
    EXPECT_GT(zeroPivots, 0) << "no zero first pivot among the shuffled matrices";
}

INSTANTIATE_TEST_SUITE_P(Solver, RandomMatrices, ::testing::Range(2, 7));

}  // namespace
}  // namespace velmora
