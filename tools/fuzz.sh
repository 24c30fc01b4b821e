#!/usr/bin/env bash
# Builds the libFuzzer targets of the readers and of the whole Solve (the "fuzz" preset: clang,
# ASan + UBSan) and runs each for $1 seconds (default 10), as many at once
# as there are cores. Fails when a target finds a crash, a sanitizer report
# or a broken property.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-10}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [[ "$seconds" -lt 1 ]]; then
    echo "usage: $0 [seconds per target, default 10]" >&2
    exit 2
fi

targets=(fuzz_read_strict fuzz_read_lenient fuzz_read_dimension fuzz_number_text fuzz_solve)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" --target "${targets[@]}"

build=build/fuzz

# Runs one target from its committed seeds (which ctest replays); its
# status goes to a file, as the targets run side by side.
fuzz_one() {
    local target="$1"
    local corpus="$build/corpus/$target" artifacts="$build/artifacts/$target/"
    mkdir -p "$corpus" "$artifacts"
    cp tests/fuzz/corpus/"$target"/* "$corpus"/
    local status=0
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
        UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=512 \
        -artifact_prefix="$artifacts" -print_final_stats=0 "$corpus" \
        >"$build/$target.log" 2>&1 || status=$?
    echo "$status" >"$build/$target.status"
}

# One target per core at a time, each for the whole time.
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do
        wait -n || true
    done
    fuzz_one "$target" &
done
wait

status=0
for target in "${targets[@]}"; do
    echo "== $target for ${seconds}s"
    if [ "$(cat "$build/$target.status")" -ne 0 ]; then
        tail -n 40 "$build/$target.log" >&2
        echo "$target FAILED; the input is in $build/artifacts/$target/" >&2
        status=1
    else
        tail -n 1 "$build/$target.log"
    fi
done
exit "$status"
