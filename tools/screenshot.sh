#!/usr/bin/env bash
# Renders the window offscreen into a PNG: with "solved" (the default) a
# solved 3 x 3 system, with "start" the window as it opens, with "n6" a
# dimension of 6 with long numbers in every field; with "steps3",
# "steps-singular" and "steps6" the Steps window of a 3 x 3 system with
# fractions and long numbers, of a singular one and of a 6 x 6 one, and
# printed to a PDF when OUT ends in ".pdf".
#   tools/screenshot.sh [solved|start|n6|steps3|steps-singular|steps6] [OUT.png|OUT.pdf]
# OUT.png, relative to the current folder, defaults to the README's pictures:
# docs/screenshot.png for "solved", docs/screenshot-n6.png for "n6",
# docs/screenshot-start.png for "start", and docs/screenshot-SCENARIO.png for
# the Steps window's.
# With VELMORA_DARK=1 it renders under a virtual X server in the desktop's
# dark theme (GTK's Adwaita dark), which the windows' own colours must resist.
set -euo pipefail
scenario="${1:-solved}"
case "$scenario" in
    solved) default=docs/screenshot.png ;;
    n6) default=docs/screenshot-n6.png ;;
    start) default=docs/screenshot-start.png ;;
    steps3 | steps-singular | steps6) default="docs/screenshot-$scenario.png" ;;
    *)
        echo "usage: $0 [solved|start|n6|steps3|steps-singular|steps6] [OUT.png|OUT.pdf]" >&2
        exit 2
        ;;
esac
# The output is named from where the script was called, before it moves.
out="$(realpath -m "${2:-$(dirname "$0")/../$default}")"
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)" --target velmora_screenshot
mkdir -p "$(dirname "$out")"
if [ "${VELMORA_DARK:-0}" = 1 ]; then
    tools/deps.sh qt6-gtk-platformtheme gnome-themes-extra
    QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
        xvfb-run -a build/dev/tools/velmora_screenshot "$out" "$scenario"
else
    QT_QPA_PLATFORM=offscreen build/dev/tools/velmora_screenshot "$out" "$scenario"
fi
echo "Wrote $out ($scenario)"
