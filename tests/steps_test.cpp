// The steps as a reader checks them: the plain-text copy parsed back, each
// caption's operation done by hand on the matrix before it must give the
// matrix after it, the first matrix is [A | y], [A | I] or A, and the last
// gives the answers of the tests' own exact elimination.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "echelon_oracle.h"
#include "exact/answer_text.h"
#include "steps/matrix_text.h"
#include "steps/steps.h"
#include "steps/steps_text.h"
#include "system_table.h"

namespace velmora {
namespace {

using namespace testing_support;

struct ParsedStep {
    std::string caption;  // empty for the start matrix
    Grid matrix;
};

struct ParsedSection {
    std::string title, label;
    std::vector<ParsedStep> steps;
    std::string closing;
    Grid result;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Matrix rows of tab-separated fractions, the "|" cell left out.
Grid Cells(const std::vector<std::string>& lines, std::size_t from) {
    Grid g;
    for (std::size_t i = from; i < lines.size(); ++i) {
        Column& row = g.emplace_back();
        std::istringstream cells(lines[i]);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            if (cell != "|") {
                row.emplace_back(cell);
                row.back().canonicalize();
            }
        }
    }
    return g;
}

std::vector<ParsedSection> Parse(const std::string& text) {
    std::vector<ParsedSection> sections;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\n\n", start);
        const std::vector<std::string> lines =
            Lines(text.substr(start, end == std::string::npos ? end : end - start));
        start = end == std::string::npos ? text.size() : end + 2;
        if (lines[0] == "Solution" || lines[0] == "Inverse" || lines[0] == "Determinant") {
            sections.push_back({lines[0], lines[1], {{"", Cells(lines, 2)}}, "", {}});
        } else if (lines[0].starts_with('R')) {
            sections.back().steps.push_back({lines[0], Cells(lines, 1)});
        } else {
            sections.back().closing = lines[0];
            sections.back().result = Cells(lines, 1);
        }
    }
    return sections;
}

// The caption's operation done by hand on m, counted by its kind; false
// when it is no caption.
bool DoCaption(const std::string& caption, Grid& m, int (&kinds)[3]) {
    static const std::regex swap("R(\\d) ↔ R(\\d)");
    static const std::regex scale("R(\\d) ← (-|(-?\\d+(/\\d+)?)·)R(\\d)");
    static const std::regex add("R(\\d) ← R(\\d) ([-+]) ((\\d+(/\\d+)?)·)?R(\\d)");
    std::smatch p;
    const auto row = [&](std::size_t i) { return std::stoul(p[i].str()); };
    const auto number = [&](std::size_t i) {
        mpq_class q(p[i].matched ? p[i].str() : "1");
        q.canonicalize();
        return q;
    };
    RowOperation::Kind kind = RowOperation::Kind::swap;
    if (std::regex_match(caption, p, swap)) {
        Replay(m, kind, row(1), row(2), 0);
    } else if (std::regex_match(caption, p, scale) && row(1) == row(5) && number(3) != 0) {
        kind = RowOperation::Kind::scale;
        Replay(m, kind, row(1), row(1), p[2].str() == "-" ? mpq_class(-1) : number(3));
    } else if (std::regex_match(caption, p, add) && row(1) == row(2) && row(1) != row(7)) {
        kind = RowOperation::Kind::addMultiple;
        Replay(m, kind, row(1), row(7), p[3].str() == "-" ? mpq_class(-number(5)) : number(5));
    } else {
        return false;
    }
    ++kinds[static_cast<int>(kind)];
    return true;
}

// Whether every environment, \\left[ and \\[ is closed in order, and the
// braces pair up.
bool Balanced(const std::string& latex) {
    std::vector<std::string> open;
    int braces = 0;
    const auto at = [&](std::size_t i, std::string_view s) {
        return latex.compare(i, s.size(), s) == 0;
    };
    for (std::size_t i = 0; i < latex.size() && braces >= 0; ++i) {
        const bool begin = at(i, "\\begin{"), end = at(i, "\\end{");
        if (begin || end) {
            const std::size_t name = latex.find('{', i) + 1;
            const std::size_t close = latex.find('}', name);
            const std::string environment = latex.substr(name, close - name);
            if (end && (open.empty() || open.back() != environment)) {
                return false;
            }
            end ? open.pop_back() : open.push_back(environment);
            i = close;
        } else if (at(i, "\\left[") || at(i, "\\[")) {
            open.emplace_back("[");
            i += at(i, "\\[") ? 1U : 5U;
        } else if (at(i, "\\right]") || at(i, "\\]")) {
            if (open.empty() || open.back() != "[") {
                return false;
            }
            open.pop_back();
            i += at(i, "\\]") ? 1U : 6U;
        } else if (latex[i] == '\\') {
            ++i;  // an escaped character, or the second of a line break "\\\\"
        } else {
            braces += latex[i] == '{' ? 1 : latex[i] == '}' ? -1 : 0;
        }
    }
    return open.empty() && braces == 0;
}

// Replays the plain-text copy of the steps for [A | y] and judges it; the
// closing line of the solution is returned.
std::string JudgeSteps(const Grid& system) {
    const std::size_t n = system.size();
    const Grid a = Left(system, n);
    Column y;
    velmora::RationalVector ry(static_cast<int>(n));
    for (std::size_t r = 0; r < n; ++r) {
        y.push_back(system[r][n]);
        ry(static_cast<int>(r) + 1) = FromMpq(y[r]);
    }
    const SolveSteps steps = StepsOf(FromGrid<velmora::RationalMatrix>(a, n), ry);
    const std::vector<ParsedSection> sections = Parse(StepsPlainText(steps));
    const auto inverse = ExactInverse(a);
    EXPECT_EQ(sections.size(), inverse ? 3U : 2U);
    if (sections.size() != (inverse ? 3U : 2U)) {
        return {};
    }
    std::size_t stepCount = 0;
    for (const ParsedSection& section : sections) {
        SCOPED_TRACE(section.title);
        Grid m = section.steps.front().matrix;
        int kinds[3] = {};
        for (std::size_t i = 1; i < section.steps.size(); ++i) {
            EXPECT_TRUE(DoCaption(section.steps[i].caption, m, kinds)) << section.steps[i].caption;
            EXPECT_EQ(m, section.steps[i].matrix) << section.steps[i].caption;
            m = section.steps[i].matrix;
        }
        stepCount += section.steps.size() - 1;
        const Grid& first = section.steps.front().matrix;
        if (section.title == "Solution") {
            EXPECT_EQ(first, system);
            EXPECT_EQ(Left(m, n), Left(ExactEchelon(a, n).reduced, n));
            EXPECT_EQ(section.closing, AnswerText(steps.answer));
            for (std::size_t r = 0; inverse && r < n; ++r) {
                EXPECT_EQ(m[r][n], Times(*inverse, y)[r]);
            }
        } else if (section.title == "Inverse") {
            EXPECT_EQ(section.label, "[A | I]");
            EXPECT_EQ(first, Joined(a, Identity(n)));
            Grid expected = Identity(n);
            for (std::size_t r = 0; r < n; ++r) {
                expected[r].insert(expected[r].end(), (*inverse)[r].begin(), (*inverse)[r].end());
            }
            EXPECT_EQ(m, expected);
            EXPECT_EQ(section.result, *inverse);
        } else {
            EXPECT_EQ(first, a);
            EXPECT_EQ(kinds[static_cast<int>(RowOperation::Kind::scale)], 0);
            const int swaps = kinds[static_cast<int>(RowOperation::Kind::swap)];
            mpq_class product = swaps % 2 == 0 ? 1 : -1;
            for (std::size_t r = 0; r < n; ++r) {
                product *= m[r][r];
                EXPECT_EQ(Left({m[r]}, r), Grid{Column(r, 0)});  // upper triangular
            }
            const mpq_class det = ExactDeterminantOf(a);
            EXPECT_EQ(product, det);
            const std::string value = " = " + det.get_str();
            EXPECT_EQ(section.closing.rfind("det = (-1)^" + std::to_string(swaps) + " \u00D7 ", 0),
                      0U);
            EXPECT_NE(section.closing.find(value), std::string::npos) << section.closing;
        }
    }
    // The LaTeX copy: balanced environments, braces and delimiters, and one
    // arrow per step.
    const std::string latex = StepsLatex(steps);
    EXPECT_TRUE(Balanced(latex));
    std::size_t arrows = 0;
    for (std::size_t at = latex.find("\\xrightarrow{"); at != std::string::npos;
         at = latex.find("\\xrightarrow{", at + 1)) {
        ++arrows;
    }
    EXPECT_EQ(arrows, stepCount);
    return sections.front().closing;
}

TEST(Steps, ReplayEverySystemOfTheTable) {
    for (const TableSystem& row : kSystems) {
        SCOPED_TRACE(row.a + " | " + row.y);
        EXPECT_EQ(JudgeSteps(Joined(Rows(row.a), {Rows(row.y)[0]})), row.answer);
    }
}

TEST(Steps, ReplayRandomSystemsOfEveryRank) {
    ForRandomSystems(23, 2, JudgeSteps);
}

TEST(Steps, CaptionsInBothNotations) {
    const struct {
        RowOperation::Kind kind;
        int target, source;
        long numerator, denominator;
        std::string text, latex;
    } rows[] = {
        {RowOperation::Kind::swap, 1, 3, 0, 1, "R1 ↔ R3", "R_1 \\leftrightarrow R_3"},
        {RowOperation::Kind::scale, 2, 2, 1, 4, "R2 ← 1/4·R2", "R_2 \\to \\frac{1}{4}R_2"},
        {RowOperation::Kind::scale, 2, 2, -1, 1, "R2 ← -R2", "R_2 \\to -R_2"},
        {RowOperation::Kind::scale, 4, 4, -1, 7, "R4 ← -1/7·R4", "R_4 \\to -\\frac{1}{7}R_4"},
        {RowOperation::Kind::addMultiple, 2, 1, -3, 2, "R2 ← R2 - 3/2·R1",
         "R_2 \\to R_2 - \\frac{3}{2}R_1"},
        {RowOperation::Kind::addMultiple, 3, 1, 1, 1, "R3 ← R3 + R1", "R_3 \\to R_3 + R_1"},
        {RowOperation::Kind::addMultiple, 1, 6, -2, 1, "R1 ← R1 - 2·R6", "R_1 \\to R_1 - 2R_6"},
    };
    for (const auto& row : rows) {
        const RowOperation op{row.kind,   row.target,
                              row.source, Rational(row.numerator) / Rational(row.denominator),
                              1,          1};
        EXPECT_EQ(CaptionText(op), row.text);
        EXPECT_EQ(CaptionLatex(op), row.latex);
    }
}

TEST(Steps, TextsOfAOneByOneSystem) {
    velmora::RationalMatrix a(1, 1);
    a(1, 1) = Rational(4);
    velmora::RationalVector y(1);
    y(1) = Rational(2);
    const SolveSteps steps = StepsOf(a, y);
    EXPECT_EQ(StepsPlainText(steps),
              "Solution\n[A | y]\n4\t|\t2\n\nR1 ← 1/4·R1\n1\t|\t1/2\n\n"
              "Unique solution: x = (1/2).\n\n"
              "Inverse\n[A | I]\n4\t|\t1\n\nR1 ← 1/4·R1\n1\t|\t1/4\n\nA⁻¹ =\n1/4\n\n"
              "Determinant\nA\n4\n\ndet = (-1)^0 × 4 = 4\n");
    EXPECT_EQ(StepsSpokenText(steps),
              "Solution\n[A | y]\n4 | 2\n\nR1 ← 1/4·R1\npivot 1 in row 1, column 1\n1 | 1/2\n\n"
              "Unique solution: x = (1/2).\n\n"
              "Inverse\n[A | I]\n4 | 1\n\nR1 ← 1/4·R1\npivot 1 in row 1, column 1\n1 | 1/4\n\n"
              "A⁻¹ =\n1/4\n\nDeterminant\nA\n4\n\ndet = (-1)^0 × 4 = 4\n");
    EXPECT_NE(StepsLatex(steps).find("\\xrightarrow{R_1 \\to \\frac{1}{4}R_1}\n"
                                     "\\left[\\begin{array}{c|c}\n\\boxed{1} & \\frac{1}{2}\n"
                                     "\\end{array}\\right]"),
              std::string::npos);
    EXPECT_FALSE(Balanced("\\begin{bmatrix}\\left[\\end{bmatrix}\\right]"));
    EXPECT_FALSE(Balanced("\\[ \\frac{1}{2 \\]"));
}

TEST(MatrixText, EveryFormat) {
    const Grid m = Rows("1 -0.5 2 / 0 3 0.25");
    const auto e = FromGrid<EliminationMatrix>(m, 3);
    const struct {
        MatrixFormat format;
        int bar;
        std::string text;
    } rows[] = {
        {MatrixFormat::plain, 2, "1\t-1/2\t|\t2\n0\t3\t|\t1/4"},
        {MatrixFormat::plain, 0, "1\t-1/2\t2\n0\t3\t1/4"},
        {MatrixFormat::latex, 0,
         "\\begin{bmatrix}\n1 & -\\frac{1}{2} & 2 \\\\\n0 & 3 & \\frac{1}{4}\n\\end{bmatrix}"},
        {MatrixFormat::latex, 2,
         "\\left[\\begin{array}{cc|c}\n1 & -\\frac{1}{2} & 2 \\\\\n0 & 3 & \\frac{1}{4}\n"
         "\\end{array}\\right]"},
        {MatrixFormat::octave, 2, "[1 -1/2 2; 0 3 1/4]"},
        {MatrixFormat::numpy, 0, "np.array([[1, -1/2, 2], [0, 3, 1/4]])"},
        {MatrixFormat::spreadsheet, 2, "1\t=-1/2\t2\n0\t3\t=1/4"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MatrixText(e, row.bar, row.format), row.text);
    }
}

}  // namespace
}  // namespace velmora
