#!/usr/bin/env bash
# Installs what is missing, builds Velmora and runs every test: the suite in
# a debug build, again under AddressSanitizer + UBSan, the style checks, the
# install rules and the Debian package, then the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
# The workflow presets take no -j; the build and ctest read these instead.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
export CTEST_PARALLEL_LEVEL="${CTEST_PARALLEL_LEVEL:-$(nproc)}"

# Runs a stage under its heading and prints how long it took; the times are
# gathered once more at the end.
times=()
stage() {
    local heading="$1" start=$SECONDS
    shift
    echo "== $heading"
    "$@"
    times+=("$(printf '%5d s  %s' $((SECONDS - start)) "$heading")")
    echo "${times[-1]}"
}

stage "dev build and tests" cmake --workflow --preset dev
stage "asan build and tests" cmake --workflow --preset asan
stage "style: clang-format and clang-tidy" tools/lint.sh
stage "install rules and the Debian package" tools/check-install.sh
stage "fuzzing the number readers and writers and the whole Solve" \
    tools/fuzz.sh "${VELMORA_FUZZ_SECONDS:-10}"

echo "== time taken"
printf '%s\n' "${times[@]}"
echo "All tests passed."
