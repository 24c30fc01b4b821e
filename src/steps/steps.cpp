#include "steps/steps.h"

#include <string_view>
#include <utility>

#include "exact/answer_text.h"
#include "steps/matrix_text.h"

namespace velmora {

namespace {

// How a caption is written.
struct CaptionNotation {
    std::string (*number)(const Rational&);
    std::string_view arrow;
    std::string_view swap;
    std::string_view row;  // before a row's number
    std::string_view times;
};

constexpr CaptionNotation kPlainCaption{FractionText, " \u2190 ", " \u2194 ", "R", "\u00B7"};
constexpr CaptionNotation kLatexCaption{LatexNumber, " \\to ", " \\leftrightarrow ", "R_", ""};

std::string Caption(const RowOperation& op, const CaptionNotation& notation) {
    const std::string target = std::string(notation.row) + std::to_string(op.target);
    const std::string source = std::string(notation.row) + std::to_string(op.source);
    const auto multiple = [&](const Rational& f) {
        return f == Rational(1) ? std::string() : notation.number(f) + std::string(notation.times);
    };
    std::string text = target;
    switch (op.kind) {
        case RowOperation::Kind::swap:
            return text.append(notation.swap).append(source);
        case RowOperation::Kind::scale:
            text.append(notation.arrow);
            text += op.factor == Rational(-1) ? "-" : multiple(op.factor);
            return text.append(target);
        case RowOperation::Kind::addMultiple:
            text.append(notation.arrow).append(target);
            text += op.factor.sign() < 0 ? " - " : " + ";
            text += multiple(op.factor.sign() < 0 ? -op.factor : op.factor);
            return text.append(source);
    }
    return text;
}

// The start, and each operation with the matrix it leaves.
StepSection Section(StepSection::Kind kind, std::string title, std::string label,
                    EliminationMatrix start, int bar, const std::vector<RowOperation>& operations) {
    StepSection section;
    section.kind = kind;
    section.title = std::move(title);
    section.label = std::move(label);
    section.bar = bar;
    EliminationMatrix m = start;
    section.start = std::move(start);
    for (const RowOperation& op : operations) {
        ApplyRowOperation(op, m);
        section.steps.push_back(Step{op, CaptionText(op), m});
    }
    return section;
}

std::string LatexWords(std::string_view words) {
    return "\\text{" + std::string(words) + "}";
}

const AnswerNotation kLatexAnswer{LatexNumber, LatexWords,
                                  [](std::size_t i, std::size_t count) {
                                      return count == 1 ? std::string("t")
                                                        : "t_{" + std::to_string(i + 1) + "}";
                                  },
                                  " \\cdot "};

// "det = (-1)^s × d1 × ... × dn = value", negative factors in parentheses,
// and the decimal the window shows when it is not the fraction's text.
std::string DeterminantLine(const Triangulation& t, std::string (*number)(const Rational&),
                            std::string_view det, std::string_view power, std::string_view times,
                            std::string_view approximately) {
    std::string line = std::string(det) + " = (-1)^";
    line.append(power).append(std::to_string(t.swaps)).append(power.empty() ? "" : "}");
    for (int k = 1; k <= t.triangular.rows(); ++k) {
        const Rational& d = t.triangular(k, k);
        line.append(times).append(d.sign() < 0 ? "(" + number(d) + ")" : number(d));
    }
    line += " = " + number(t.determinant);
    const RoundedText decimal = RoundedNumberText(t.determinant);
    if (decimal.text != FractionText(t.determinant)) {
        line.append(decimal.exact ? " = " : approximately).append(decimal.text);
    }
    return line;
}

}  // namespace

std::string LatexNumber(const Rational& x) {
    std::string text = FractionText(x);
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) {
        return text;
    }
    const bool negative = text[0] == '-';
    const std::size_t first = negative ? 1 : 0;
    return (negative ? "-\\frac{" : "\\frac{") + text.substr(first, slash - first) + "}{" +
           text.substr(slash + 1) + "}";
}

std::string CaptionText(const RowOperation& operation) {
    return Caption(operation, kPlainCaption);
}

std::string CaptionLatex(const RowOperation& operation) {
    return Caption(operation, kLatexCaption);
}

SolveSteps StepsOf(const RationalMatrix& a, const RationalVector& y) {
    const int n = a.rows();
    SolveSteps result;

    const Reduction solution = ReduceToEchelon(Augmented(a, y), n);
    result.answer = AnswerFromReduction(a, y, solution);
    StepSection first = Section(StepSection::Kind::solution, "Solution", "[A | y]", Augmented(a, y),
                                n, solution.operations);
    first.closing = AnswerText(result.answer);
    first.closingLatex = AnswerText(result.answer, kLatexAnswer);
    result.sections.push_back(std::move(first));

    const Triangulation t = Triangulate(a);
    result.determinant = t.determinant;
    if (!t.determinant.isZero()) {
        const Reduction inverse = ReduceToEchelon(WithIdentity(a), n);
        EliminationMatrix right(n, n);
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                right(r, c) = inverse.reduced(r, n + c);
            }
        }
        StepSection second = Section(StepSection::Kind::inverse, "Inverse", "[A | I]",
                                     WithIdentity(a), n, inverse.operations);
        second.closing = "A\u207B\u00B9 =";
        second.closingLatex = "A^{-1} = " + MatrixText(right, 0, MatrixFormat::latex);
        second.result = std::move(right);
        result.sections.push_back(std::move(second));
    }

    StepSection last =
        Section(StepSection::Kind::determinant, "Determinant", "A", Widened(a), 0, t.operations);
    last.closing = DeterminantLine(t, FractionText, "det", "", " \u00D7 ", " \u2248 ");
    last.closingLatex = DeterminantLine(t, LatexNumber, "\\det A", "{", " \\times ", " \\approx ");
    result.sections.push_back(std::move(last));
    return result;
}

}  // namespace velmora
