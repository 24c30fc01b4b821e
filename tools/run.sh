#!/usr/bin/env bash
# Installs what is missing and builds Velmora. The window itself comes with
# the next step of the work; until then this builds the libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
echo "Velmora's libraries are built; the window comes later."
