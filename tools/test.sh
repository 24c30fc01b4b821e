#!/usr/bin/env bash
# Installs what is missing, builds Velmora and runs every test: the suite in
# a debug build, again under AddressSanitizer + UBSan, the style checks, the
# install rules and the Debian package, then the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
jobs="$(nproc)"

for preset in dev asan; do
    echo "== $preset build and tests"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    ctest --preset "$preset" -j"$jobs" --no-tests=error
done

echo "== style: clang-format and clang-tidy"
tools/lint.sh

echo "== install rules and the Debian package"
tools/check-install.sh

echo "== fuzzing the number readers and writers and the whole Solve"
tools/fuzz.sh "${VELMORA_FUZZ_SECONDS:-10}"
echo "All tests passed."
