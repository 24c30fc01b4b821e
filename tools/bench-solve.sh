#!/usr/bin/env bash
# Times, in one run of the release build, a whole Solve at N = 6 on the
# in-memory form for two-decimal entries and for the costliest texts (100-digit
# mantissas, exponents from -300 to 300), an option switch, and the exact
# core's fraction-free elimination against the cofactor expansion in exact
# arithmetic, and at N = 6 the steps of a Solve alone and with the Steps
# window opened or refreshed on them; prints the medians and the ratios.
#
# tools/bench-solve.sh REV also builds the benchmark of revision REV (for
# instance the last one that solved in doubles) in a temporary worktree and
# runs both, alternately, in the same run: the typical Solve's ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
jobs="$(nproc)"
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs" --target velmora_benchmark >/dev/null
run() {
    "$1" --benchmark_filter="$2" --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null
}
median() { echo "$1" | awk -F, -v n="\"$2_median\"" '$1 == n { print $4 }'; }

out="$(run build/release/tools/velmora_benchmark \
    'BM_Solve/6|BM_SolveWorstCase|BM_OptionSwitch|BM_Exact|BM_Steps')"
typical="$(median "$out" BM_Solve/6)"
worst="$(median "$out" BM_SolveWorstCase)"
option="$(median "$out" BM_OptionSwitch)"
elimination="$(median "$out" BM_ExactElimination)"
cofactors="$(median "$out" BM_ExactCofactors)"
steps="$(median "$out" BM_Steps)"
open="$(median "$out" BM_StepsWindowOpen)"
refresh="$(median "$out" BM_StepsWindowRefresh)"
awk -v t="$typical" -v w="$worst" -v o="$option" -v e="$elimination" -v c="$cofactors" \
    -v s="$steps" -v so="$open" -v sr="$refresh" 'BEGIN {
    printf "Solve at N = 6, two decimals       %10.1f us\n", t / 1000
    printf "Solve at N = 6, worst-case texts   %10.2f ms\n", w
    printf "option switch at N = 6             %10.1f us\n", o / 1000
    printf "fraction-free elimination          %10.1f us\n", e / 1000
    printf "cofactor expansion, exact          %10.1f us  (%.1f x the elimination)\n", c, c * 1000 / e
    printf "steps of a Solve at N = 6          %10.2f ms\n", s
    printf "Steps window opened on them        %10.2f ms  (%.0f x a Solve)\n", so, so * 1e6 / t
    printf "Steps window refreshed with them   %10.2f ms\n", sr
}'

if [ $# -ge 1 ]; then
    rev="$1"
    tree="$(mktemp -d)"
    trap 'git worktree remove --force "$tree" >/dev/null 2>&1 || true' EXIT
    git worktree add --detach "$tree" "$rev" >/dev/null 2>&1
    (cd "$tree" && cmake --preset release >/dev/null &&
        cmake --build --preset release -j"$jobs" --target velmora_benchmark >/dev/null)
    ours=()
    theirs=()
    for _ in 1 2 3; do
        ours+=("$(median "$(run build/release/tools/velmora_benchmark 'BM_Solve/6')" BM_Solve/6)")
        theirs+=("$(median "$(run "$tree/build/release/tools/velmora_benchmark" 'BM_Solve/6')" \
            BM_Solve/6)")
    done
    printf '%s\n' "${ours[@]}" | sort -n | sed -n 2p >"$tree/ours"
    printf '%s\n' "${theirs[@]}" | sort -n | sed -n 2p >"$tree/theirs"
    awk -v a="$(cat "$tree/ours")" -v b="$(cat "$tree/theirs")" -v r="$rev" 'BEGIN {
        printf "Solve at N = 6 at %s            %10.1f us  (this one takes %.2f x)\n", r, b / 1000, a / b
    }'
fi
