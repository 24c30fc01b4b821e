#!/usr/bin/env bash
# Renders the window offscreen into docs/screenshot.png: a solved 3 x 3
# system, with "start" the window as it opens, with "n6" a solved 6 x 6.
#   tools/screenshot.sh [solved|start|n6]
set -euo pipefail
cd "$(dirname "$0")/.."
scenario="${1:-solved}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target velmora_screenshot
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/dev/tools/velmora_screenshot docs/screenshot.png "$scenario"
echo "Wrote docs/screenshot.png ($scenario)"
