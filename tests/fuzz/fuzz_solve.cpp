// The whole Solve on the in-memory form, with N and every coefficient and
// right-hand-side text drawn from the fuzzer's bytes: whole numbers, sparse
// rows, magnitudes from 1E-320 to 1E+308, and stray texts. Nothing crashes,
// no field shows inf, nan or a negative zero, and a solution shown has a
// small residual: |A x - y| <= c N kappa eps (|A| |x| + |y|), rows scaled by
// powers of two and kappa the row-scaled condition number (plus the
// absolute error of components below the normal range).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "../non_number_text.h"
#include "app/frm_vl_main.h"
#include "determinant/elimination.h"
#include "form/memory_form.h"
#include "numtext/numtext.h"

namespace {

using velmora::FieldId;

// Large enough for the agreement that the elimination in order may keep
// (1E-13 relative, about 450 eps) and the norms' factor N.
constexpr long double kResidualFactor = 1000;

std::string NumberFrom(FuzzedDataProvider& bytes) {
    switch (bytes.ConsumeIntegralInRange(0, 7)) {
        case 0:
        case 1:
            return "0";
        case 2:
        case 3:
            return std::to_string(bytes.ConsumeIntegralInRange(-9, 9));
        case 4: {
            char text[32];
            std::snprintf(text, sizeof text, "%dE%d", bytes.ConsumeIntegralInRange(-99, 99),
                          bytes.ConsumeIntegralInRange(-320, 306));
            return text;
        }
        case 5: {
            char text[32];
            std::snprintf(text, sizeof text, "%d.%03d", bytes.ConsumeIntegralInRange(-999, 999),
                          bytes.ConsumeIntegralInRange(0, 999));
            return text;
        }
        case 6:
            return "1E-17";
        default:
            return bytes.ConsumeRandomLengthString(12);
    }
}

[[noreturn]] void Fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

void CheckShown(const std::string& text) {
    if (velmora::testing_support::IsNonNumberText(text)) {
        Fail("a field shows a non-number", text);
    }
}

// The residual of the unrounded solution, in long double: its exponent range
// holds every product and sum of doubles here, so the oracle cannot overflow.
void CheckResidual(const velmora::Matrix& a, const velmora::Vector& y,
                   const velmora::LinearSolution& solution, double rcond) {
    const int n = a.rows();
    long double normA = 0;
    long double normX = 0;
    long double normY = 0;
    long double residual = 0;
    for (int r = 1; r <= n; ++r) {
        long double largest = 0;
        for (int c = 1; c <= n; ++c) {
            largest = std::max(largest, std::fabs(static_cast<long double>(a(r, c))));
        }
        const long double scale = std::ldexp(1.0L, -std::ilogb(largest));
        long double rowSum = 0;
        long double rowNorm = 0;
        for (int c = 1; c <= n; ++c) {
            const long double term = static_cast<long double>(a(r, c)) * solution.x(c);
            rowSum += term;
            rowNorm += std::fabs(static_cast<long double>(a(r, c)));
        }
        residual = std::max(residual, std::fabs((rowSum - y(r)) * scale));
        normA = std::max(normA, rowNorm * scale);
        normY = std::max(normY, std::fabs(static_cast<long double>(y(r))) * scale);
    }
    for (int c = 1; c <= n; ++c) {
        normX = std::max(normX, std::fabs(static_cast<long double>(solution.x(c))));
    }
    // The second term: components of x below the normal range carry an
    // absolute error of up to the smallest subnormal.
    const long double bound =
        kResidualFactor * n *
        (std::numeric_limits<double>::epsilon() / rcond * (normA * normX + normY) +
         normA * std::numeric_limits<double>::denorm_min());
    if (!(residual <= bound)) {
        std::fprintf(stderr, "residual %Lg above %Lg (rcond %g, pivoted %d)\n", residual, bound,
                     rcond, solution.pivoted ? 1 : 0);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    velmora::MemoryForm form;
    velmora::frmVLMain window(form);
    window.Form_Load();
    const int n = bytes.ConsumeIntegralInRange(1, 6);
    form.setText(velmora::txtMatSize, std::to_string(n));
    window.txtMatSize_LostFocus();
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            form.setText(velmora::txtMat(10 * r + c), NumberFrom(bytes));
        }
    }
    for (int r = 1; r <= n; ++r) {
        form.setText(velmora::txtY(r), NumberFrom(bytes));
    }
    window.cmdSolve_Click();

    for (int r = 1; r <= 6; ++r) {
        for (int c = 1; c <= 6; ++c) {
            CheckShown(form.text(velmora::txtIM(10 * r + c)));
            CheckShown(form.text(velmora::txtMinMat(10 * r + c)));
        }
        CheckShown(form.text(velmora::txtSol(r)));
    }
    CheckShown(form.text(velmora::txtDeterminant));

    // A solution is shown: check the unrounded one behind it.
    if (!form.messages().empty() || form.text(velmora::txtSol(1)).empty()) {
        return 0;
    }
    velmora::Matrix a(n, n);
    velmora::Vector y(n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            a(r, c) = velmora::ReadNumberStrict(form.text(velmora::txtMat(10 * r + c))).value;
        }
        y(r) = velmora::ReadNumberLenient(form.text(velmora::txtY(r)));
    }
    const velmora::Inversion inversion = velmora::Invert(a);
    const std::optional<velmora::LinearSolution> solution = velmora::SolveWith(inversion, y);
    if (!solution) {
        Fail("a solution is shown, but none is found again", form.text(velmora::txtSol(1)));
    }
    CheckResidual(a, y, *solution, inversion.pivoted.rcond);
    return 0;
}
