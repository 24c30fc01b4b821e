#!/usr/bin/env bash
# Times the start-up of the release build from exec to its mapped window,
# against a floor (a bare Qt window of the same size with one label and one
# line edit), interleaved, under a virtual X server of its own; prints the
# medians and their ratio.
#   tools/startup-bench.sh [RUNS]     (21 runs of each by default)
# VELMORA_BENCH_DISPLAY=N runs the X server on display :N instead of a free
# one it picks itself.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"

# What only this benchmark needs besides: the virtual X server and Xlib's headers.
tools/deps.sh xvfb libx11-dev

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" \
    --target velmora velmora_startup_floor velmora_startup_timer >/dev/null
velmora=build/release/src/app/qt/velmora
floor=build/release/tools/velmora_startup_floor
timer=build/release/tools/velmora_startup_timer

# Our own X server, without a window manager; stopped whatever happens.
xvfb_pid=""
runtime_dir=""
clean_up() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    [ -z "$runtime_dir" ] || rm -rf "$runtime_dir"
}
trap clean_up EXIT
if [ -n "${VELMORA_BENCH_DISPLAY:-}" ]; then
    Xvfb ":$VELMORA_BENCH_DISPLAY" -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
    xvfb_pid=$!
    display="$VELMORA_BENCH_DISPLAY"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
else
    displayfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    display="$(head -n1 "$displayfile")"
    rm -f "$displayfile"
fi
[ -n "$display" ] || { echo "The virtual X server did not start." >&2; exit 1; }
export DISPLAY=":$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    runtime_dir="$(mktemp -d)"  # Qt warns without one
    export XDG_RUNTIME_DIR="$runtime_dir"
fi

# One untimed run of each fills the file system cache.
"$timer" "$velmora" >/dev/null
"$timer" "$floor" >/dev/null
a=()
b=()
for _ in $(seq "$runs"); do
    a+=("$("$timer" "$velmora")")
    b+=("$("$timer" "$floor")")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
    print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
velmora_ms="$(median "${a[@]}")"
floor_ms="$(median "${b[@]}")"
awk -v v="$velmora_ms" -v f="$floor_ms" -v n="$runs" 'BEGIN {
    printf "exec to mapped window, median of %d interleaved runs each\n", n
    printf "velmora   %7.1f ms\n", v
    printf "floor     %7.1f ms  (a bare Qt window with one label and one line edit)\n", f
    printf "ratio     %7.2f\n", v / f
}'
