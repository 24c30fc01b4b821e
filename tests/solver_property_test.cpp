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
#include "random_entries.h"

namespace velmora {
namespace {

using testing_support::Entries;
using testing_support::ExactDecimal;
using testing_support::ExactDeterminantOf;
using testing_support::ExactInverse;
using testing_support::NumberTextOf;
using testing_support::RandomEntry;
using testing_support::RationalMatrix;
using testing_support::RationalVector;
using testing_support::Sample;
using testing_support::ThreeDecimalsAway;
using testing_support::Times;
using testing_support::Without;

constexpr int kSystems = 1500;

struct Census {
    int regular = 0;
    int singular = 0;
};

void SolveAndJudge(int n, int option, std::mt19937_64& random, Census& census) {
    const auto size = static_cast<std::size_t>(n);
    // One system in 20 of mixed magnitudes, the others of the three cheaper
    // kinds alike; y of the same kind, or small integers.
    const auto draw = static_cast<int>(random() % 20);
    const Entries kind = draw == 0 ? Entries::mixedMagnitudes : static_cast<Entries>(draw % 3);
    const Entries yKind = kind == Entries::mixedMagnitudes ? Entries::sparseIntegers : kind;
    testing_support::Window window(n);
    MemoryForm& form = window.form;
    form.selectOption(option);
    RationalMatrix a(size, RationalVector(size));
    RationalVector y(size);
    std::string description;
    for (std::size_t r = 0; r < size; ++r) {
        for (std::size_t c = 0; c < size; ++c) {
            const std::string text = RandomEntry(random, kind);
            form.setText(txtMat(static_cast<int>(10 * (r + 1) + c + 1)), text);
            a[r][c] = ExactDecimal(text);
            description += text + " ";
        }
        const std::string text = RandomEntry(random, yKind);
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
    const int systems = Sample(kSystems);
    for (int s = 0; s < systems; ++s) {
        SolveAndJudge(n, s % 2, random, census);
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(census.singular, 0);
    EXPECT_GT(census.regular, systems / 2);
    std::printf("N = %d: %d regular, %d singular\n", n, census.regular, census.singular);
}

// The largest N first: ctest starts the cases in this order, and the
// longest should not be the last to start.
INSTANTIATE_TEST_SUITE_P(N, ExactSolve, ::testing::Values(6, 5, 4, 3, 2, 1));

}  // namespace
}  // namespace velmora
