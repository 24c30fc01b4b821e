#!/usr/bin/env bash
# Installs what is missing, builds Velmora and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
exec build/release/src/app/qt/velmora "$@"
