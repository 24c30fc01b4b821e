#!/usr/bin/env bash
# Builds the Debian package of Velmora (an optimised build without tests or
# sanitizers, installed under /usr) in build/package and prints its path.
# Install it with: sudo apt install ./build/package/velmora_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh >&2

# The "package" presets build the program alone into build/package; they
# also keep `cpack` from building every target first.
build=build/package
cmake --preset package >/dev/null
cmake --build --preset package -j"$(nproc)" >&2
rm -f "$build"/velmora_*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1) || { echo "cpack failed; see $build/_CPack_Packages" >&2; exit 1; }
deb=("$build"/velmora_*.deb)
[ -f "${deb[0]}" ] || { echo "cpack made no package" >&2; exit 1; }
echo "${deb[0]}"
