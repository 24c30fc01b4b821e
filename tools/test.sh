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
# Runs stages side by side, each given as HEADING COMMAND... and ended by
# "--", and prints each one's output and time once all have ended. For
# stages that leave a core idle part of their time.
side_by_side() {
    local logs
    logs="$(mktemp -d)"
    local headings=() count=0
    while [ $# -gt 0 ]; do
        headings+=("$1")
        shift
        local command=()
        while [ $# -gt 0 ] && [ "$1" != "--" ]; do
            command+=("$1")
            shift
        done
        [ $# -eq 0 ] || shift
        (
            start=$SECONDS
            status=0
            "${command[@]}" >"$logs/$count.log" 2>&1 || status=$?
            echo "$((SECONDS - start)) $status" >"$logs/$count.end"
        ) &
        count=$((count + 1))
    done
    wait
    local failed=0 i seconds status
    for ((i = 0; i < count; ++i)); do
        echo "== ${headings[$i]}"
        cat "$logs/$i.log"
        read -r seconds status <"$logs/$i.end"
        times+=("$(printf '%5d s  %s' "$seconds" "${headings[$i]}")")
        echo "${times[-1]}"
        [ "$status" -eq 0 ] || failed=1
    done
    rm -rf "$logs"
    [ "$failed" -eq 0 ]
}

side_by_side "install rules and the Debian package" tools/check-install.sh -- \
    "fuzzing the number readers and writers and the whole Solve" \
    tools/fuzz.sh "${VELMORA_FUZZ_SECONDS:-10}"

echo "== time taken"
printf '%s\n' "${times[@]}"
printf '%5d s  %s\n' "$SECONDS" "in all (the last two side by side)"
echo "All tests passed."
