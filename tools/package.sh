#!/usr/bin/env bash
# Builds the Debian package of Velmora (an optimised build without tests or
# sanitizers, installed under /usr) in build/package and prints its path.
# Install it with: sudo apt install ./build/package/velmora_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh >&2

build=build/package
# Only the program is built; `cpack` would otherwise build every target first.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVELMORA_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target velmora >&2
rm -f "$build"/velmora_*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1) || { echo "cpack failed; see $build/_CPack_Packages" >&2; exit 1; }
deb=("$build"/velmora_*.deb)
[ -f "${deb[0]}" ] || { echo "cpack made no package" >&2; exit 1; }
echo "${deb[0]}"
