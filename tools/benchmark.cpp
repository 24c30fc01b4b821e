// Times the window's computations on the in-memory form: a whole Solve at
// each dimension for two-decimal entries, at N = 6 for the costliest texts a
// user can type, an option switch; the exact core's fraction-free elimination
// against the cofactor expansion it replaces; and the double routine Deter55.
// Run: tools/bench-solve.sh

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdint>
#include <random>
#include <string>

#include "app/frm_vl_main.h"
#include "app/qt/qt_form.h"
#include "app/qt/steps_window.h"
#include "determinant/determinant.h"
#include "exact/exact_matrix.h"
#include "exact/rational.h"
#include "form/form.h"
#include "form/memory_form.h"
#include "steps/steps.h"

namespace velmora {
namespace {

enum class Texts { twoDecimals, worstCase };

// The coefficient (r, c) as the user types it. Two decimals: 10.55 on the
// diagonal and (r - c) / 4 off it, so every row is diagonally dominant
// (at most 3.75 off the diagonal at N = 6) and every N solves. Worst case:
// 100-digit mantissas with exponents from -300 to 300, mixed in each row.
std::string Coefficient(int r, int c, Texts kind) {
    if (kind == Texts::twoDecimals) {
        if (r == c) {
            return "10.55";
        }
        const int quarters = 25 * (r - c);
        return (quarters < 0 ? "-" : "") + std::to_string(std::abs(quarters) / 100) + "." +
               std::to_string(std::abs(quarters) % 100 + 100).substr(1);
    }
    std::mt19937 random(static_cast<unsigned>(10 * r + c));
    std::string mantissa = std::to_string(1 + random() % 9);
    while (mantissa.size() < 100) {
        mantissa += std::to_string(random() % 10);
    }
    const int exponent = static_cast<int>(random() % 601) - 300;
    return (random() % 2 == 0 ? "-" : "") + mantissa.substr(0, 1) + "." + mantissa.substr(1) + "E" +
           std::to_string(exponent);
}

void FillSystem(MemoryForm& form, frmVLMain& window, int n, Texts kind) {
    form.setText(txtMatSize, std::to_string(n));
    window.txtMatSize_LostFocus();
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            form.setText(txtMat(10 * r + c), Coefficient(r, c, kind));
        }
        form.setText(txtY(r), kind == Texts::twoDecimals ? std::to_string(r) + ".25"
                                                         : Coefficient(r, 7, kind));
    }
}

void RunSolve(benchmark::State& state, int n, Texts kind) {
    MemoryForm form;
    frmVLMain window(form);
    window.Form_Load();
    FillSystem(form, window, n, kind);
    for (auto _ : state) {
        window.cmdSolve_Click();
        benchmark::DoNotOptimize(form.text(txtSol(1)));
    }
    if (!form.messages().empty()) {
        state.SkipWithError("the system did not solve");
    }
}

void BM_Solve(benchmark::State& state) {
    RunSolve(state, static_cast<int>(state.range(0)), Texts::twoDecimals);
}
BENCHMARK(BM_Solve)->DenseRange(1, 6);

void BM_SolveWorstCase(benchmark::State& state) {
    RunSolve(state, 6, Texts::worstCase);
}
BENCHMARK(BM_SolveWorstCase)->Unit(benchmark::kMillisecond);

void BM_OptionSwitch(benchmark::State& state) {
    MemoryForm form;
    frmVLMain window(form);
    window.Form_Load();
    FillSystem(form, window, 6, Texts::twoDecimals);
    int index = 0;
    for (auto _ : state) {
        index = 1 - index;
        form.selectOption(index);
        window.optMat_Click(index);
        benchmark::DoNotOptimize(form.text(txtMinMat(66)));
    }
}
BENCHMARK(BM_OptionSwitch);

RationalMatrix ExactSystem(int n) {
    RationalMatrix a(n, n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            a(r, c) = ReadExactStrict(Coefficient(r, c, Texts::twoDecimals)).value;
        }
    }
    return a;
}

// The determinant, all 36 sub-determinants and the inverse by one
// fraction-free elimination ...
void BM_ExactElimination(benchmark::State& state) {
    const RationalMatrix a = ExactSystem(6);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Analyse(a));
    }
}
BENCHMARK(BM_ExactElimination);

// ... against the cofactor expansion of the double routines done in exact
// arithmetic: Laplace along the first row down to 2 x 2, for each of the 36
// sub-determinants.
Rational Laplace(const RationalMatrix& m) {
    const int k = m.rows();
    if (k == 2) {
        return m(2, 2) * m(1, 1) - m(2, 1) * m(1, 2);
    }
    Rational sum;
    RationalMatrix s(k - 1, k - 1);
    for (int j = 1; j <= k; ++j) {
        for (int p = 1; p < k; ++p) {
            for (int q = 1; q < k; ++q) {
                s(p, q) = m(p + 1, q < j ? q : q + 1);
            }
        }
        const Rational t = Laplace(s) * m(1, j);
        sum = j % 2 == 1 ? sum + t : sum - t;
    }
    return sum;
}

void BM_ExactCofactors(benchmark::State& state) {
    const RationalMatrix a = ExactSystem(6);
    for (auto _ : state) {
        RationalMatrix w(5, 5);
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 6; ++c) {
                for (int k = 1; k <= 5; ++k) {
                    for (int l = 1; l <= 5; ++l) {
                        w(k, l) = a(k < r ? k : k + 1, l < c ? l : l + 1);
                    }
                }
                benchmark::DoNotOptimize(Laplace(w));
            }
        }
    }
}
BENCHMARK(BM_ExactCofactors)->Unit(benchmark::kMicrosecond);

void BM_Deter55(benchmark::State& state) {
    Matrix m(5, 5);
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 5; ++c) {
            m(r, c) = ReadNumberStrict(Coefficient(r, c, Texts::twoDecimals)).value;
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(Deter55(m));
    }
}
BENCHMARK(BM_Deter55);

RationalVector ExactVector(int n) {
    RationalVector y(n);
    for (int r = 1; r <= n; ++r) {
        y(r) = ReadExactStrict(std::to_string(r) + ".25").value;
    }
    return y;
}

void BM_Steps(benchmark::State& state) {
    const RationalMatrix a = ExactSystem(6);
    const RationalVector y = ExactVector(6);
    for (auto _ : state) {
        benchmark::DoNotOptimize(StepsOf(a, y));
    }
}
BENCHMARK(BM_Steps)->Unit(benchmark::kMillisecond);

// Opening the Steps window after a Solve: the steps, the window built (the
// first time) or refreshed, its document laid out and the window painted.
void RunStepsWindow(benchmark::State& state, bool refresh) {
    const RationalMatrix a = ExactSystem(6);
    const RationalVector y = ExactVector(6);
    StepsWindow shown;
    for (auto _ : state) {
        if (refresh) {
            shown.show(StepsOf(a, y));
            QApplication::processEvents();
        } else {
            StepsWindow window;
            window.show(StepsOf(a, y));
            QApplication::processEvents();
        }
    }
}

void BM_StepsWindowOpen(benchmark::State& state) {
    RunStepsWindow(state, false);
}
BENCHMARK(BM_StepsWindowOpen)->Unit(benchmark::kMillisecond);

void BM_StepsWindowRefresh(benchmark::State& state) {
    RunStepsWindow(state, true);
}
BENCHMARK(BM_StepsWindowRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

// The Steps window's cases need an application, on the offscreen platform
// unless another is named.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    velmora::QtForm::prepareApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
