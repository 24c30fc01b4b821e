// Solve on the in-memory form against GMP's exact rationals: random regular
// integer systems with many zeros, where an elimination without row
// exchanges meets rounding residues as pivots, and systems that are singular
// in exact arithmetic but typed as decimals, which binary doubles make
// regular by a rounding.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "determinant/elimination.h"
#include "determinant/matrix.h"
#include "exact_rational.h"
#include "form/memory_form.h"
#include "form_texts.h"
#include "solver/solver.h"

namespace velmora {
namespace {

using testing_support::ExactDecimal;
using testing_support::ExactInverse;
using testing_support::NormOne;
using testing_support::Parse;
using testing_support::RationalMatrix;
using testing_support::RationalVector;
using testing_support::ThreeDecimalTexts;
using testing_support::Times;

constexpr int kRegularSystems = 20000;
constexpr int kSingularSystems = 5000;

// Entries small and mostly zero: many exact cancellations, many residues.
constexpr std::array<int, 9> kEntries{0, 0, 0, 1, -1, 2, 3, -3, 4};

std::string Describe(const std::vector<std::string>& cells, int n) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        text += cells[i] +
                (i % static_cast<std::size_t>(n) == static_cast<std::size_t>(n - 1) ? " / " : " ");
    }
    return text;
}

struct Counts {
    int systems = 0;
    int singularSkipped = 0;
    int pivoted = 0;
};

class RegularSystems : public ::testing::TestWithParam<int> {};

TEST_P(RegularSystems, ShowTheExactInverseAndSolution) {
    const int n = GetParam();
    const auto size = static_cast<std::size_t>(n);
    std::mt19937 rng(7100U + static_cast<unsigned>(n));
    std::uniform_int_distribution<std::size_t> pick(0, kEntries.size() - 1);
    std::uniform_int_distribution<int> rhs(-9, 9);
    MemoryForm form;
    form.selectOption(n % 2);
    Counts counts;

    while (counts.systems < kRegularSystems && !HasFailure()) {
        RationalMatrix a(size, RationalVector(size));
        Matrix doubles(n, n);
        std::vector<std::string> cells;
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                const int value = kEntries.at(pick(rng));
                a[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] = value;
                doubles(r, c) = value;
                cells.push_back(std::to_string(value));
                form.setText(txtMat(10 * r + c), cells.back());
            }
        }
        const std::optional<RationalMatrix> inverse = ExactInverse(a);
        if (!inverse) {
            ++counts.singularSkipped;
            continue;
        }
        ++counts.systems;
        RationalVector y(size);
        Vector yDoubles(n);
        for (int i = 1; i <= n; ++i) {
            const int value = rhs(rng);
            y[static_cast<std::size_t>(i - 1)] = value;
            yDoubles(i) = value;
            form.setText(txtY(i), std::to_string(value));
        }
        form.clearMessages();
        cmdSolve_Click(form, static_cast<std::int16_t>(n));
        SCOPED_TRACE(Describe(cells, n));
        ASSERT_TRUE(form.messages().empty()) << form.messages().front().prompt;

        // A value closer to a rounding tie than the doubles can resolve for
        // this system may round either way.
        const mpq_class kappa = NormOne(a) * NormOne(*inverse);
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                const mpq_class& q =
                    (*inverse)[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
                const mpq_class band =
                    std::max(mpq_class(1, 1000000000), mpq_class(kappa * abs(q) / 1e15));
                const std::vector<std::string> allowed = ThreeDecimalTexts(q, band);
                const std::string shown = form.text(txtIM(10 * r + c));
                ASSERT_NE(std::find(allowed.begin(), allowed.end(), shown), allowed.end())
                    << "inverse (" << r << ", " << c << ") shows " << shown << ", exactly "
                    << q.get_str();
            }
        }
        const RationalVector x = Times(*inverse, y);
        for (int r = 1; r <= n; ++r) {
            const mpq_class& exact = x[static_cast<std::size_t>(r - 1)];
            const std::string shown = form.text(txtSol(r));
            if (exact.get_den() == 1) {
                ASSERT_EQ(shown, exact.get_str()) << "solution " << r;
            } else {
                const double value = exact.get_d();
                ASSERT_LE(std::abs(Parse(shown) - value), 1e-11 * std::abs(value))
                    << "solution " << r << " shows " << shown << ", exactly " << exact.get_str();
            }
        }
        const std::optional<LinearSolution> solution = SolveWith(Invert(doubles), yDoubles);
        counts.pivoted += solution && solution->pivoted ? 1 : 0;
    }
    RecordProperty("pivoted", counts.pivoted);
    std::printf(
        "N = %d: %d regular systems (%d singular ones skipped), %d took the pivoted "
        "inverse\n",
        n, counts.systems, counts.singularSkipped, counts.pivoted);
}

INSTANTIATE_TEST_SUITE_P(Solver, RegularSystems, ::testing::Range(2, 7));

// A decimal with one or two places, from a whole number of tenths or
// hundredths.
std::string DecimalText(long long units, int places) {
    const long long scale = places == 1 ? 10 : 100;
    const long long magnitude = units < 0 ? -units : units;
    std::string fraction = std::to_string(scale + magnitude % scale).substr(1);
    return (units < 0 ? "-" : "") + std::to_string(magnitude / scale) + "." + fraction;
}

class DecimallyDependentSystems : public ::testing::TestWithParam<int> {};

// One row is a decimal combination of up to two others: singular exactly,
// regular in binary by a rounding. Never an inverse, always a message.
TEST_P(DecimallyDependentSystems, AreNeverInverted) {
    const int n = GetParam();
    std::mt19937 rng(7200U + static_cast<unsigned>(n));
    std::uniform_int_distribution<int> tenths(-30, 30);
    std::bernoulli_distribution zero(0.3);
    std::uniform_int_distribution<int> factor(-19, 19);
    std::uniform_int_distribution<int> row(1, n);
    MemoryForm form;
    int zeroDeterminant = 0;
    int singular = 0;
    for (int trial = 0; trial < kSingularSystems && !HasFailure(); ++trial) {
        const int dependent = row(rng);
        std::vector<std::vector<long long>> units(
            static_cast<std::size_t>(n + 1),
            std::vector<long long>(static_cast<std::size_t>(n + 1)));
        std::vector<std::string> cells;
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                units[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                    zero(rng) ? 0 : tenths(rng);
            }
        }
        // Row `dependent` = f / 10 * row p + g / 10 * row q, in hundredths.
        int p = row(rng);
        int q = row(rng);
        while (n > 1 && p == dependent) {
            p = row(rng);
        }
        while (n > 2 && (q == dependent || q == p)) {
            q = row(rng);
        }
        const int f = factor(rng);
        const int g = n > 2 ? factor(rng) : 0;
        for (int r = 1; r <= n; ++r) {
            for (int c = 1; c <= n; ++c) {
                const auto at = [&](int i) {
                    return units[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)];
                };
                const std::string text =
                    r == dependent ? DecimalText(f * at(p) + g * at(q), 2) : DecimalText(at(r), 1);
                cells.push_back(text);
                form.setText(txtMat(10 * r + c), text);
            }
        }
        for (int i = 1; i <= n; ++i) {
            form.setText(txtY(i), "1");
        }
        SCOPED_TRACE(Describe(cells, n));
        RationalMatrix exact(static_cast<std::size_t>(n),
                             RationalVector(static_cast<std::size_t>(n)));
        for (std::size_t i = 0; i < cells.size(); ++i) {
            exact[i / static_cast<std::size_t>(n)][i % static_cast<std::size_t>(n)] =
                ExactDecimal(cells[i]);
        }
        ASSERT_FALSE(ExactInverse(exact).has_value()) << "the generator made a regular matrix";

        form.clearMessages();
        cmdSolve_Click(form, static_cast<std::int16_t>(n));
        ASSERT_EQ(form.messages().size(), 1U);
        const std::string& title = form.messages().front().title;
        ASSERT_TRUE(title == "ZERO Determinant" || title == "Singular Matrix ERROR") << title;
        (title == "ZERO Determinant" ? zeroDeterminant : singular) += 1;
        for (int r = 1; r <= n; ++r) {
            ASSERT_EQ(form.text(txtSol(r)), "");
            for (int c = 1; c <= n; ++c) {
                ASSERT_EQ(form.text(txtIM(10 * r + c)), r == c ? "1" : "0");
            }
        }
    }
    std::printf("N = %d: %d zero determinants, %d singular to working precision\n", n,
                zeroDeterminant, singular);
}

INSTANTIATE_TEST_SUITE_P(Solver, DecimallyDependentSystems, ::testing::Range(2, 7));

}  // namespace
}  // namespace velmora
