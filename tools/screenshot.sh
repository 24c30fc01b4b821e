#!/usr/bin/env bash
# Renders the window offscreen into a PNG: with "solved" (the default) a
# solved 3 x 3 system, with "start" the window as it opens, with "n6" a
# dimension of 6 with long numbers in every field.
#   tools/screenshot.sh [solved|start|n6] [OUT.png]
# OUT.png, relative to the current folder, defaults to the README's pictures:
# docs/screenshot.png for "solved", docs/screenshot-n6.png for "n6", and
# docs/screenshot-start.png for "start".
set -euo pipefail
scenario="${1:-solved}"
case "$scenario" in
    solved) default=docs/screenshot.png ;;
    n6) default=docs/screenshot-n6.png ;;
    start) default=docs/screenshot-start.png ;;
    *)
        echo "usage: $0 [solved|start|n6] [OUT.png]" >&2
        exit 2
        ;;
esac
# The output is named from where the script was called, before it moves.
out="$(realpath -m "${2:-$(dirname "$0")/../$default}")"
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)" --target velmora_screenshot
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=offscreen build/dev/tools/velmora_screenshot "$out" "$scenario"
echo "Wrote $out ($scenario)"
