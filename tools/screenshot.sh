#!/usr/bin/env bash
# Renders the window offscreen into docs/screenshot.png: a solved 3 x 3
# system, or with "start" the window as it opens.
#   tools/screenshot.sh [solved|start]
set -euo pipefail
cd "$(dirname "$0")/.."
scenario="${1:-solved}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target velmora_screenshot
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/dev/tools/velmora_screenshot docs/screenshot.png "$scenario"
echo "Wrote docs/screenshot.png ($scenario)"
