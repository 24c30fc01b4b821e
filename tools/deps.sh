#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Velmora need,
# and any more named as arguments, only those that are missing; does nothing
# (quickly) when all are there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libgmp-dev libbenchmark-dev
    clang-22 libclang-rt-22-dev lld clang-format clang-tidy-22
    fonts-liberation2 fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev file
    xvfb dbus-daemon at-spi2-core python3-pyatspi
)

packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please run as root (or install sudo)." >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
