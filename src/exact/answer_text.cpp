#include "exact/answer_text.h"

#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

namespace {

Rational Magnitude(const Rational& x) {
    return x.sign() < 0 ? -x : x;
}

// |x| as the coefficient written before a name: nothing for 1.
std::string Coefficient(const Rational& x, const AnswerNotation& notation, std::string_view times) {
    const Rational magnitude = Magnitude(x);
    return magnitude == Rational(1) ? std::string()
                                    : notation.number(magnitude) + std::string(times);
}

// Appends a term of the given sign and magnitude text to a sum: the first
// term with a "-" when negative, the others joined by `plus` or `minus`.
void AppendTerm(std::string& sum, int sign, const std::string& magnitude, std::string_view plus,
                std::string_view minus) {
    if (sum.empty()) {
        sum += sign < 0 ? "-" : "";
    } else {
        sum += sign < 0 ? minus : plus;
    }
    sum += magnitude;
}

std::string VectorText(const RationalVector& v, const AnswerNotation& notation) {
    std::string text = "(";
    for (int i = 1; i <= v.size(); ++i) {
        text += (i > 1 ? ", " : "") + notation.number(v(i));
    }
    return text + ")";
}

bool IsZero(const RationalVector& v) {
    for (int i = 1; i <= v.size(); ++i) {
        if (!v(i).isZero()) {
            return false;
        }
    }
    return true;
}

std::string CertificateText(const SystemAnswer& answer, const AnswerNotation& notation) {
    std::string sum;
    for (int i = 1; i <= answer.certificate.size(); ++i) {
        const Rational& w = answer.certificate(i);
        if (!w.isZero()) {
            AppendTerm(sum, w.sign(),
                       Coefficient(w, notation, notation.times) + notation.words("row ") +
                           std::to_string(i),
                       " + ", " - ");
        }
    }
    return notation.words("No solution: ") + sum + notation.words(" gives ") +
           "0 = " + notation.number(answer.certificateValue) + notation.words(".");
}

std::string GeneralSolutionText(const SystemAnswer& answer, const AnswerNotation& notation) {
    const std::size_t k = answer.directions.size();
    std::string sum;
    if (!IsZero(answer.particular)) {
        sum = VectorText(answer.particular, notation);
    }
    for (std::size_t i = 0; i < k; ++i) {
        AppendTerm(sum, 1,
                   notation.parameter(i, k) + std::string(notation.times) +
                       VectorText(answer.directions[i], notation),
                   " + ", " - ");
    }
    return notation.words("Infinitely many solutions, " + std::to_string(k) + " free parameter" +
                          (k == 1 ? "" : "s") + ": ") +
           "x = " + sum + notation.words(".");
}

}  // namespace

std::string AnswerText(const SystemAnswer& answer, const AnswerNotation& notation) {
    switch (answer.kind) {
        case SystemAnswer::Kind::unique:
            return notation.words("Unique solution: ") +
                   "x = " + VectorText(answer.particular, notation) + notation.words(".");
        case SystemAnswer::Kind::none:
            return CertificateText(answer, notation);
        case SystemAnswer::Kind::infinitelyMany:
            return GeneralSolutionText(answer, notation);
    }
    return {};
}

std::string SolutionComponentText(const SystemAnswer& answer, int i) {
    if (answer.kind == SystemAnswer::Kind::none) {
        return {};
    }
    assert(i >= 1 && i <= answer.particular.size());
    const AnswerNotation plain;
    std::string sum;
    if (!answer.particular(i).isZero()) {
        sum = FractionText(answer.particular(i));
    }
    const std::size_t k = answer.directions.size();
    for (std::size_t j = 0; j < k; ++j) {
        const Rational& c = answer.directions[j](i);
        if (!c.isZero()) {
            AppendTerm(sum, c.sign(), Coefficient(c, plain, "") + plain.parameter(j, k), "+", "-");
        }
    }
    return sum.empty() ? "0" : sum;
}

std::vector<std::string> SolutionTexts(const SystemAnswer& answer) {
    std::vector<std::string> texts;
    const int n = answer.kind == SystemAnswer::Kind::none ? answer.certificate.size()
                                                          : answer.particular.size();
    for (int i = 1; i <= n; ++i) {
        texts.push_back(SolutionComponentText(answer, i));
    }
    return texts;
}

std::string SingularInverseText(int rank, int n) {
    return "A is singular (rank " + std::to_string(rank) + " of " + std::to_string(n) + ").";
}

}  // namespace velmora
