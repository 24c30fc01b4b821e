// Times the window's computations on the in-memory form: a whole Solve and
// an option switch at each dimension, and the largest determinant routine.
// Run: cmake --preset release && cmake --build --preset release
//      --target velmora_benchmark && build/release/tools/velmora_benchmark

#include <benchmark/benchmark.h>

#include <string>

#include "app/frm_vl_main.h"
#include "determinant/determinant.h"
#include "determinant/elimination.h"
#include "form/form.h"
#include "form/memory_form.h"

namespace velmora {
namespace {

// A diagonally dominant matrix, so every dimension solves without a message.
void FillSystem(MemoryForm& form, frmVLMain& window, int n) {
    form.setText(txtMatSize, std::to_string(n));
    window.txtMatSize_LostFocus();
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            form.setText(txtMat(10 * r + c), r == c ? "10.5" : std::to_string(r - c) + ".25");
        }
        form.setText(txtY(r), std::to_string(r));
    }
}

void BM_Solve(benchmark::State& state) {
    MemoryForm form;
    frmVLMain window(form);
    window.Form_Load();
    FillSystem(form, window, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.cmdSolve_Click();
        benchmark::DoNotOptimize(form.text(txtSol(1)));
    }
    if (!form.messages().empty()) {
        state.SkipWithError("the system did not solve");
    }
}
BENCHMARK(BM_Solve)->DenseRange(1, 6);

void BM_OptionSwitch(benchmark::State& state) {
    MemoryForm form;
    frmVLMain window(form);
    window.Form_Load();
    FillSystem(form, window, 6);
    int index = 0;
    for (auto _ : state) {
        index = 1 - index;
        form.selectOption(index);
        window.optMat_Click(index);
        benchmark::DoNotOptimize(form.text(txtMinMat(66)));
    }
}
BENCHMARK(BM_OptionSwitch);

// The same diagonally dominant 6 x 6 matrix as the form's.
Matrix SystemMatrix(int n) {
    Matrix m(n, n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            m(r, c) = r == c ? 10.5 : r - c + 0.25;
        }
    }
    return m;
}

// The elimination in order alone, as the window always did it ...
void BM_EliminationInOrder(benchmark::State& state) {
    const Matrix a = SystemMatrix(6);
    for (auto _ : state) {
        benchmark::DoNotOptimize(InvertInOrder(a));
    }
}
BENCHMARK(BM_EliminationInOrder);

// ... and with its check: the pivoted elimination, the condition number,
// and the comparison of both inverses and solutions.
void BM_EliminationChecked(benchmark::State& state) {
    const Matrix a = SystemMatrix(6);
    Vector y(6);
    for (int i = 1; i <= 6; ++i) {
        y(i) = i;
    }
    for (auto _ : state) {
        const Inversion inversion = Invert(a);
        benchmark::DoNotOptimize(inversion.singular(6));
        benchmark::DoNotOptimize(SolveWith(inversion, y));
    }
}
BENCHMARK(BM_EliminationChecked);

void BM_Deter55(benchmark::State& state) {
    const Matrix m = SystemMatrix(5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Deter55(m));
    }
}
BENCHMARK(BM_Deter55);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
