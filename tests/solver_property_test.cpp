// Solve on the in-memory form, judged by what it shows: every text is
// parsed and compared with the exact values of the typed texts, computed
// here with GMP's rationals by Gaussian elimination and rounded by long
// division, without the code under test.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "exact_rational.h"
#include "form/memory_form.h"
#include "form_texts.h"
#include "non_number_text.h"

namespace velmora {
namespace {

using testing_support::ExactDecimal;
using testing_support::ExactDeterminantOf;
using testing_support::ExactInverse;
using testing_support::NumberTextOf;
using testing_support::RationalMatrix;
using testing_support::RationalVector;
using testing_support::ThreeDecimalsAway;
using testing_support::Times;
using testing_support::Without;

constexpr int kSystems = 1500;

// Sparse small integers, one and two decimals, and magnitudes far apart.
std::string RandomText(std::mt19937_64& random, int kind) {
    std::uniform_int_distribution<int> pick(0, 999);
    const int p = pick(random);
    switch (kind) {
        case 0: {
            static constexpr int kValues[] = {0, 0, 0, 1, -1, 2, 3, -3, 4};
            return std::to_string(kValues[p % 9]);
        }
        case 1:
            return p % 4 == 0 ? "0" : std::to_string(p % 199 - 99) + "E-1";
        case 2:
            return p % 5 == 0 ? "0" : std::to_string(p * 2 - 999) + "E-2";
        default: {
            std::uniform_int_distribution<int> exponent(-300, 300);
            return p % 6 == 0 ? "0"
                              : std::to_string(p - 499) + "E" + std::to_string(exponent(random));
        }
    }
}

struct Census {
    int regular = 0;
    int singular = 0;
};

void SolveAndJudge(int n, int option, std::mt19937_64& random, Census& census) {
    const auto size = static_cast<std::size_t>(n);
    const int kind = static_cast<int>(random() % 4);
    testing_support::Window window(n);
    MemoryForm& form = window.form;
    form.selectOption(option);
    RationalMatrix a(size, RationalVector(size));
    RationalVector y(size);
    std::string description;
    for (std::size_t r = 0; r < size; ++r) {
        for (std::size_t c = 0; c < size; ++c) {
            const std::string text = RandomText(random, kind);
            form.setText(txtMat(static_cast<int>(10 * (r + 1) + c + 1)), text);
            a[r][c] = ExactDecimal(text);
            description += text + " ";
        }
        const std::string text = RandomText(random, kind % 3);
        form.setText(txtY(static_cast<int>(r + 1)), text);
        y[r] = ExactDecimal(text);
        description += "| " + text + " / ";
    }
    SCOPED_TRACE(description);
    window.logic.cmdSolve_Click();

    const mpq_class det = ExactDeterminantOf(a);
    ASSERT_EQ(form.field(txtDeterminant).text, NumberTextOf(det));
    // The grid, spot-checked in one row per system (36 sub-determinants of
    // a 6 x 6 matrix by elimination each would dominate the run).
    const std::size_t row = static_cast<std::size_t>(census.regular) % size;
    for (std::size_t c = 0; c < size; ++c) {
        const mpq_class d = n == 1 ? mpq_class(1) : ExactDeterminantOf(Without(a, row, c));
        const mpq_class shown = option == 0 ? d : ((row + c) % 2 == 0 ? 1 : -1) * d * a[row][c];
        ASSERT_EQ(form.field(txtMinMat(static_cast<int>(10 * (row + 1) + c + 1))).text,
                  NumberTextOf(shown))
            << "grid " << row + 1 << "," << c + 1;
    }
    if (det == 0) {
        ++census.singular;
        ASSERT_EQ(form.messages().size(), 1U);
        return;
    }
    ++census.regular;
    ASSERT_TRUE(form.messages().empty());
    const auto w = ExactInverse(a);
    ASSERT_TRUE(w.has_value());
    const RationalVector x = Times(*w, y);
    for (std::size_t r = 0; r < size; ++r) {
        for (std::size_t c = 0; c < size; ++c) {
            const std::string& text =
                form.field(txtIM(static_cast<int>(10 * (r + 1) + c + 1))).text;
            ASSERT_EQ(text, ThreeDecimalsAway((*w)[r][c])) << "inverse " << r + 1 << "," << c + 1;
            ASSERT_FALSE(testing_support::IsNonNumberText(text));
        }
        const std::string& text = form.field(txtSol(static_cast<int>(r + 1))).text;
        ASSERT_EQ(text, NumberTextOf(x[r])) << "x" << r + 1;
        ASSERT_FALSE(testing_support::IsNonNumberText(text));
    }
}

class ExactSolve : public ::testing::TestWithParam<int> {};

TEST_P(ExactSolve, EveryShownTextIsTheExactValueRounded) {
    const int n = GetParam();
    std::mt19937_64 random(static_cast<unsigned long>(77 + n));
    Census census;
    for (int s = 0; s < kSystems; ++s) {
        SolveAndJudge(n, s % 2, random, census);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(census.singular, 0);
    EXPECT_GT(census.regular, kSystems / 2);
    std::printf("N = %d: %d regular, %d singular\n", n, census.regular, census.singular);
}

INSTANTIATE_TEST_SUITE_P(N, ExactSolve, ::testing::Range(1, 7));

}  // namespace
}  // namespace velmora
