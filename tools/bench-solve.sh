#!/usr/bin/env bash
# Times, in one run of the release build, the elimination without row
# exchanges alone and with its check (N = 6), and a whole Solve at N = 6 on
# the in-memory form; prints the figures and the cost of the check as a ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target velmora_benchmark >/dev/null
out="$(build/release/tools/velmora_benchmark \
    --benchmark_filter='BM_Elimination|BM_Solve/6' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null)"
median() { echo "$out" | awk -F, -v n="\"$1_median\"" '$1 == n { print $4 }'; }
in_order="$(median BM_EliminationInOrder)"
checked="$(median BM_EliminationChecked)"
solve="$(median BM_Solve/6)"
awk -v a="$in_order" -v b="$checked" -v s="$solve" 'BEGIN {
    printf "elimination in order   %8.0f ns\n", a
    printf "elimination checked    %8.0f ns  (%.2f x; the check costs %.0f ns)\n", b, b / a, b - a
    printf "whole Solve at N = 6   %8.0f ns  (the check is %.1f %% of it)\n", s, 100 * (b - a) / s
}'
