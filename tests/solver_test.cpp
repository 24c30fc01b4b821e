// The Solve command on the in-memory form: what the window shows.

#include <gmock/gmock.h>
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

#include "exact_determinant.h"
#include "exact_rational.h"
#include "form/memory_form.h"
#include "form_texts.h"
#include "non_number_text.h"

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
using testing_support::Window;

constexpr std::string_view kZeroPrompt =
    "Inverse Matrix NOT Solvable, Check for Proportionate ROWS";
constexpr std::string_view kZeroTitle = "ZERO Determinant";

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

void ExpectNoNonNumber(const MemoryForm& form) {
    for (const std::string& t : AllResults(form)) {
        EXPECT_FALSE(testing_support::IsNonNumberText(t)) << t;
    }
}

// A Solve of texts that every reader accepts: no cell is refused.
void Solve(Window& w) {
    w.logic.cmdSolve_Click();
    for (const MemoryForm::Message& m : w.form.messages()) {
        EXPECT_NE(m.title, "Coefficient ERROR") << m.prompt;
        EXPECT_NE(m.title, "Vector ERROR") << m.prompt;
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
        Window w(n);
        MemoryForm& form = w.form;
        form.selectOption(option);
        SetMatrix(form, tc.a);
        SetY(form, tc.y);
        Solve(w);

        EXPECT_EQ(Text(form, txtDeterminant), tc.determinant) << "option " << option;
        EXPECT_EQ(Grid(form, txtIM, n), tc.inverse) << "option " << option;
        EXPECT_EQ(Column(form, txtSol, n), tc.solution) << "option " << option;
        EXPECT_TRUE(form.messages().empty());
        ExpectNoNonNumber(form);
    }
}

// The cases of each suite are a table read by ValuesIn: the variadic
// Values(...) would instantiate a copy of every case, which costs the build
// seconds. Each case is named by its name.
constexpr auto CaseName = [](const auto& row) { return std::string(row.param.name); };

const std::vector<SolveCase>& SolveExamplesTable() {
    static const std::vector<SolveCase> table{
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
        // Its second pivot vanishes once the first column is cleared.
        SolveCase{
            "SecondPivotVanishes",
            {{"1", "1", "1"}, {"1", "1", "0"}, {"0", "1", "2"}},
            {"1", "2", "3"},
            "1",
            {"2.000", "-1.000", "-1.000", "-2.000", "2.000", "1.000", "1.000", "-1.000", ".000"},
            {"-3", "5", "-1"}},
        SolveCase{"OneByOne", {{"4"}}, {"2"}, "4", {".250"}, {"0.5"}},
        // A zero in the top-left corner.
        SolveCase{"ZeroFirstPivot",
                  {{"0", "1"}, {"1", "0"}},
                  {"2", "3"},
                  "-1",
                  {".000", "1.000", "1.000", ".000"},
                  {"3", "2"}},
        // Every digit shown is the exact value's: nothing is snapped to a
        // whole number.
        SolveCase{"NoSnapToWholeNumbers",
                  {{"1", "0"}, {"0", "1"}},
                  {"2.0000004", "3"},
                  "1",
                  {"1.000", ".000", ".000", "1.000"},
                  {"2.0000004", "3"}},
        SolveCase{"KeepsSmallDifferences",
                  {{"1", "0"}, {"0", "1"}},
                  {"2.00001", "3"},
                  "1",
                  {"1.000", ".000", ".000", "1.000"},
                  {"2.00001", "3"}},
        SolveCase{"SmallValuesStay",
                  {{"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}},
                  {"1E-7", "5E-7", "2.5E-6"},
                  "1",
                  {"1.000", ".000", ".000", ".000", "1.000", ".000", ".000", ".000", "1.000"},
                  {"1E-07", "5E-07", "2.5E-06"}},
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
        SolveCase{"NegativeSmallValues",
                  {{"-1", "0"}, {"0", "1"}},
                  {"0.0000001", "-0.0000004"},
                  "-1",
                  {"-1.000", ".000", ".000", "1.000"},
                  {"-1E-07", "-4E-07"}},
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
        SolveCase{"TinyFirstPivot",
                  {{"1E-17", "1"}, {"1", "1"}},
                  {"1", "2"},
                  "-1",
                  {"-1.000", "1.000", "1.000", ".000"},
                  {"1", "1"}},
        SolveCase{"FarApartMagnitudes",
                  {{"1E-200", "1"}, {"1E200", "1"}},
                  {"1", "1"},
                  "-1E+200",
                  {".000", ".000", "1.000", ".000"},
                  {"0", "1"}},
        SolveCase{"FarApartMagnitudesSecond",
                  {{"1E300", "1"}, {"1E-300", "1"}},
                  {"1", "1"},
                  "1E+300",
                  {".000", ".000", ".000", "1.000"},
                  {"0", "1"}},
        SolveCase{"TinySolution",
                  {{"1", "0"}, {"1E-300", "1E300"}},
                  {"1", "1"},
                  "1E+300",
                  {"1.000", ".000", ".000", ".000"},
                  {"1", "1E-300"}},
        // Decimals are taken at their exact values.
        SolveCase{"DecimalSystem",
                  {{"0.1", "0.2", "0.3"}, {"0.4", "0.5", "0.6"}, {"0.7", "0.8", "1"}},
                  {"1", "2", "3"},
                  "-0.003",
                  {"-6.667", "-13.333", "10.000", "-6.667", "36.667", "-20.000", "10.000",
                   "-20.000", "10.000"},
                  {"-3.33333333333333", "6.66666666666667", "0"}},
        SolveCase{"IntegerSystemWithAFractionalSolution",
                  {{"1", "-7", "0"}, {"1", "-9", "4"}, {"-6", "-5", "-2"}},
                  {"-6", "-9", "-8"},
                  "192",
                  {".198", "-.073", "-.146", "-.115", "-.010", "-.021", "-.307", ".245", "-.010"},
                  {"0.635416666666667", "0.947916666666667", "-0.276041666666667"}},
        // Rows that doubles could not tell apart are regular in exact arithmetic.
        SolveCase{"NearlyEqualRows",
                  {{"1", "0.9999999999999999"}, {"49", "49"}},
                  {"0", "0"},
                  "4.9E-15",
                  {"10000000000000000.000", "-204081632653061.204", "-10000000000000000.000",
                   "204081632653061.224"},
                  {"0", "0"}},
        // The inverse of diag(1E-110, 1E-110) holds 1E+110, beyond what a
        // double product of the diagonal could reach; and x = y * 1E+110.
        SolveCase{"TinyDiagonal",
                  {{"1E-110", "0"}, {"0", "1E-110"}},
                  {"1", "-2.5"},
                  "1E-220",
                  {"1" + std::string(110, '0') + ".000", ".000", ".000",
                   "1" + std::string(110, '0') + ".000"},
                  {"1E+110", "-2.5E+110"}},
        SolveCase{"HugeDiagonal",
                  {{"1E110", "0", "0"}, {"0", "1E110", "0"}, {"0", "0", "1E110"}},
                  {"3", "1E100", "-7E300"},
                  "1E+330",
                  {".000", ".000", ".000", ".000", ".000", ".000", ".000", ".000", ".000"},
                  {"3E-110", "1E-10", "-7E+190"}},
        SolveCase{"SolutionBeyondTheDoubleRange",
                  {{"0.5", "0"}, {"0", "1"}},
                  {"1E308", "1"},
                  "0.5",
                  {"2.000", ".000", ".000", "1.000"},
                  {"2E+308", "1"}}};
    return table;
}

INSTANTIATE_TEST_SUITE_P(Solver, SolveExamples, ::testing::ValuesIn(SolveExamplesTable()),
                         CaseName);

// --- Zero determinant ------------------------------------------------------

// The box keeps its prompt and title and adds the system's answer; the
// solution row shows the general solution, or nothing where there is none;
// the inverse cells are empty and say why.
struct SingularCase {
    const char* name;
    Rows a;
    Texts y;
    std::string answer;  // the box's informative text
    Texts solution;
    int rank;
};

void PrintTo(const SingularCase& tc, std::ostream* os) {
    *os << tc.name;
}

class SingularMatrices : public ::testing::TestWithParam<SingularCase> {};

TEST_P(SingularMatrices, AnswerTheSystem) {
    const SingularCase& tc = GetParam();
    const auto n = static_cast<int>(tc.a.size());
    Window w(n);
    MemoryForm& form = w.form;
    SetMatrix(form, tc.a);
    SetY(form, tc.y);
    form.setText(txtSol(1), "old");
    w.logic.cmdSolve_Click();

    EXPECT_THAT(form.messages(),
                ::testing::ElementsAre(MemoryForm::Message{std::string(kZeroPrompt),
                                                           std::string(kZeroTitle), tc.answer}));
    EXPECT_EQ(Text(form, txtDeterminant), "0");
    if (n >= 2) {
        EXPECT_NE(Text(form, txtMinMat(11)), "");
    }
    const std::string singular =
        "A is singular (rank " + std::to_string(tc.rank) + " of " + std::to_string(n) + ").";
    EXPECT_EQ(Grid(form, txtIM, n), Texts(tc.a.size() * tc.a.size(), ""));
    EXPECT_EQ(form.field(txtIM(11)).note.note, singular);
    EXPECT_EQ(Column(form, txtSol, n), tc.solution);
    for (int i = 1; i <= n; ++i) {
        const std::string& text = tc.solution[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(form.field(txtSol(i)).note.note,
                  text.empty() ? tc.answer : text + "\n" + tc.answer);
    }
    // Solving again after a reset shows the identity of the reset again.
    w.logic.txtMatSize_LostFocus();
    EXPECT_EQ(Grid(form, txtIM, n), Identity(n));
}

const std::vector<SingularCase>& SingularMatricesTable() {
    static const std::vector<SingularCase> table{
        SingularCase{"ProportionalRows",
                     {{"1", "2"}, {"2", "4"}},
                     {"1", "2"},
                     "Infinitely many solutions, 1 free parameter: x = (1, 0) + t\u00B7(-2, 1).",
                     {"1-2t", "t"},
                     1},
        SingularCase{"ProportionalRowsNone",
                     {{"1", "2"}, {"2", "4"}},
                     {"1", "3"},
                     "No solution: 2\u00B7row 1 - row 2 gives 0 = -1.",
                     {"", ""},
                     1},
        SingularCase{"OneByOneZero",
                     {{"0"}},
                     {"0"},
                     "Infinitely many solutions, 1 free parameter: x = t\u00B7(1).",
                     {"t"},
                     0},
        SingularCase{"OneByOneNone", {{"0"}}, {"5"}, "No solution: row 1 gives 0 = 5.", {""}, 0},
        SingularCase{"DependentRowsThree",
                     {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}},
                     {"1", "2", "3"},
                     "Infinitely many solutions, 1 free parameter: x = (-1/3, 2/3, 0) + "
                     "t\u00B7(1, -2, 1).",
                     {"-1/3+t", "2/3-2t", "t"},
                     2},
        SingularCase{"DependentRowsThreeNone",
                     {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}},
                     {"1", "2", "4"},
                     "No solution: row 1 - 2\u00B7row 2 + row 3 gives 0 = 1.",
                     {"", "", ""},
                     2},
        // Row 1 - 2 row 2 + row 3 = 0 in decimals (in binary doubles the
        // determinant came out as -1.04083408558608E-17).
        SingularCase{"DecimalDependence",
                     {{"0.1", "0.2", "0.3"}, {"0.4", "0.5", "0.6"}, {"0.7", "0.8", "0.9"}},
                     {"1", "1", "1"},
                     "Infinitely many solutions, 1 free parameter: x = (-10, 10, 0) + "
                     "t\u00B7(1, -2, 1).",
                     {"-10+t", "10-2t", "t"},
                     2},
        SingularCase{"DecimalsDependentOnlyExactly",
                     {{"0.1", "0.2"}, {"0.3", "0.6"}},
                     {"1", "3"},
                     "Infinitely many solutions, 1 free parameter: x = (10, 0) + t\u00B7(-2, 1).",
                     {"10-2t", "t"},
                     1},
        SingularCase{"DecimalsInconsistent",
                     {{"0.1", "0.2"}, {"0.3", "0.6"}},
                     {"1", "4"},
                     "No solution: 3\u00B7row 1 - row 2 gives 0 = -1.",
                     {"", ""},
                     1},
        SingularCase{"ZeroMatrix",
                     {{"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}},
                     {"", "", ""},
                     "Infinitely many solutions, 3 free parameters: x = t1\u00B7(1, 0, 0) + "
                     "t2\u00B7(0, 1, 0) + t3\u00B7(0, 0, 1).",
                     {"t1", "t2", "t3"},
                     0},
        SingularCase{"ZeroColumnAndAFractionInY",
                     {{"0", "1", "2"}, {"0", "3", "4"}, {"0", "5", "6"}},
                     {"1/3", "1", "2"},
                     "No solution: row 1 - 2\u00B7row 2 + row 3 gives 0 = 1/3.",
                     {"", "", ""},
                     2}};
    return table;
}

INSTANTIATE_TEST_SUITE_P(Solver, SingularMatrices, ::testing::ValuesIn(SingularMatricesTable()),
                         CaseName);

// --- Refused coefficients ---------------------------------------------------

struct RefusedCase {
    const char* name;
    std::vector<std::pair<int, std::string>> cells;  // 10 * row + column, text
    int row;
    int column;
    std::string refusal = " is not a number";
};

void PrintTo(const RefusedCase& tc, std::ostream* os) {
    *os << tc.name;
}

class RefusedCoefficients : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCoefficients, ReportFirstInReadingOrderAfterTheReset) {
    const RefusedCase& tc = GetParam();
    Window w(3);
    MemoryForm& form = w.form;
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

    w.logic.cmdSolve_Click();
    const std::string prompt = "Coefficient in row " + std::to_string(tc.row) + ", column " +
                               std::to_string(tc.column) + tc.refusal;
    EXPECT_THAT(form.messages(),
                ::testing::ElementsAre(MemoryForm::Message{prompt, "Coefficient ERROR"}));
    EXPECT_EQ(form.focused(), txtMat(10 * tc.row + tc.column));
    EXPECT_EQ(Grid(form, txtIM, 3), Identity(3));
    EXPECT_EQ(Grid(form, txtMinMat, 3), Texts(9, ""));
    EXPECT_EQ(Column(form, txtSol, 3), Texts(3, ""));
    EXPECT_EQ(Text(form, txtDeterminant), "");
}

const std::vector<RefusedCase>& RefusedCoefficientsTable() {
    static const std::vector<RefusedCase> table{
        RefusedCase{"Empty", {{33, ""}}, 3, 3}, RefusedCase{"Letters", {{22, "abc"}}, 2, 2},
        RefusedCase{"Comma", {{12, "1,5"}}, 1, 2},
        RefusedCase{"BeyondRange", {{31, "1E400"}}, 3, 1, " is out of range"},
        RefusedCase{"NegativeBeyondRange", {{23, "-1.8E308"}}, 2, 3, " is out of range"},
        RefusedCase{"WideHexadecimal", {{11, "&H1FFFFFFFFFFFFFFFF"}}, 1, 1, " is out of range"},
        RefusedCase{"BelowRange", {{32, "1E-400"}}, 3, 2, " is out of range"},
        // Row by row: (1, 3) comes before (2, 1).
        RefusedCase{"RowByRow", {{21, "x"}, {13, "y"}}, 1, 3},
        RefusedCase{"ZeroDenominator", {{12, "1/0"}}, 1, 2, " divides by zero"},
        RefusedCase{"BlankZeroDenominator", {{22, "-2.5 / 0.0"}}, 2, 2, " divides by zero"},
        RefusedCase{"HalfAFraction", {{23, "1/"}}, 2, 3}};
    return table;
}

INSTANTIATE_TEST_SUITE_P(Solver, RefusedCoefficients,
                         ::testing::ValuesIn(RefusedCoefficientsTable()), CaseName);

// --- A right-hand side beyond the double range -----------------------------

// A right-hand side beyond the range or dividing by zero: the determinant,
// the grid and the inverse are known by then and stay; the solution is not
// written, and the cell is handed back to the user.
TEST(Solver, AnUnusableRightHandSideIsRefused) {
    for (const auto& [y, refusal] : std::vector<std::pair<const char*, const char*>>{
             {"1E400", "is out of range"},
             {"-2E-400abc", "is out of range"},
             {"&H1FFFFFFFFFFFFFFFF", "is out of range"},
             {"2/0", "divides by zero"},
             {"7 / 0 apples", "divides by zero"}}) {
        Window w(3);
        MemoryForm& form = w.form;
        SetMatrix(form, {{"1", "2", "0"}, {"3", "4", "1"}, {"0", "1", "2"}});
        SetY(form, {"1", y, "1"});
        w.logic.cmdSolve_Click();
        EXPECT_THAT(form.messages(),
                    ::testing::ElementsAre(MemoryForm::Message{
                        std::string("Right-hand side in row 2 ") + refusal, "Vector ERROR"}))
            << y;
        EXPECT_EQ(form.focused(), txtY(2));
        EXPECT_EQ(Text(form, txtDeterminant), "-5");
        EXPECT_EQ(Grid(form, txtMinMat, 3), (Texts{"7", "6", "3", "4", "2", "1", "2", "1", "-2"}));
        EXPECT_EQ(Grid(form, txtIM, 3), (Texts{"-1.400", ".800", "-.400", "1.200", "-.400", ".200",
                                               "-.600", ".200", ".400"}));
        EXPECT_EQ(Column(form, txtSol, 3), Texts(3, ""));
    }
}

// --- Repeats and untouched fields ---------------------------------------------

TEST(Solver, SolvingTwiceShowsTheSameTexts) {
    for (const int option : {0, 1}) {
        Window w(3);
        MemoryForm& form = w.form;
        form.selectOption(option);
        SetMatrix(form, {{"1", "1", "1"}, {"1", "1", "0"}, {"0", "1", "2"}});
        SetY(form, {"1", "2", "3"});
        Solve(w);
        const Texts first = AllResults(form);
        Solve(w);
        EXPECT_EQ(AllResults(form), first);
    }
}

TEST(Solver, LeavesFieldsBeyondNAlone) {
    for (const bool singular : {false, true}) {
        Window w(2);
        MemoryForm& form = w.form;
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
        Solve(w);
        for (std::size_t i = 0; i < beyond.size(); ++i) {
            EXPECT_EQ(Text(form, beyond[i]), "keep" + std::to_string(i));
        }
        EXPECT_EQ(form.messages().size(), singular ? 1U : 0U);
    }
}

// --- Against an exact inverse -------------------------------------------------

using testing_support::ExactDeterminant;
using testing_support::IntMatrix;

void Enter(MemoryForm& form, const IntMatrix& m) {
    for (std::size_t r = 0; r < m.size(); ++r) {
        for (std::size_t c = 0; c < m.size(); ++c) {
            form.setText(txtMat(static_cast<int>(10 * (r + 1) + c + 1)), std::to_string(m[r][c]));
        }
    }
}

// txtIM shows the exact inverse rounded to three decimals, halves away
// from zero, in the pattern "###.000" (no leading zero, no "-.000").
void ExpectInverseShown(const MemoryForm& form, const IntMatrix& m) {
    const long long det = ExactDeterminant(m);
    ASSERT_NE(det, 0);
    EXPECT_EQ(Text(form, txtDeterminant), std::to_string(det));
    testing_support::RationalMatrix a;
    for (const auto& row : m) {
        testing_support::RationalVector& out = a.emplace_back();
        for (const long long value : row) {
            out.emplace_back(static_cast<long>(value));
        }
    }
    const auto inverse = testing_support::ExactInverse(a);
    ASSERT_TRUE(inverse.has_value());
    const auto n = static_cast<int>(m.size());
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            const mpq_class& exact =
                (*inverse)[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            EXPECT_EQ(Text(form, txtIM(10 * r + c)), testing_support::ThreeDecimalsAway(exact))
                << "cell " << r << c << ": " << exact.get_str();
        }
    }
}

class ExactInverses : public ::testing::TestWithParam<IntMatrix> {};

TEST_P(ExactInverses, MatchTheShownInverse) {
    const IntMatrix& m = GetParam();
    Window w(static_cast<int>(m.size()));
    MemoryForm& form = w.form;
    Enter(form, m);
    Solve(w);
    EXPECT_TRUE(form.messages().empty());
    ExpectInverseShown(form, m);
}

// Matrices with zeros where an elimination without row exchanges would
// meet a zero pivot: on the diagonal, and far from the next row.
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
// so that zeros come to lie on the diagonal.
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
        Window window(n);
        MemoryForm& form = window.form;
        form.selectOption(trial % 3 == 0 ? 1 : 0);
        Enter(form, m);

        // Unit vectors as y: the solution is a column of the full-precision
        // inverse, which must give A W = I.
        std::vector<std::vector<double>> w(static_cast<std::size_t>(n));
        for (int c = 1; c <= n; ++c) {
            for (int i = 1; i <= n; ++i) {
                form.setText(txtY(i), i == c ? "1" : "0");
            }
            Solve(window);
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
        Solve(window);
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
