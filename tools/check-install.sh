#!/usr/bin/env bash
# Checks that Velmora installs as a desktop application: the desktop entry and
# the AppStream metadata pass their validators without a word, the install
# rules put exactly the program and its data where the freedesktop.org
# conventions want them, and the Debian package holds the same files under
# /usr with the dependencies the program needs. Installs nothing on this
# machine: the files go to a temporary folder, the package is only listed.
set -euo pipefail
cd "$(dirname "$0")/.."

id=org.example.Velmora
expected=(
    usr/bin/velmora
    usr/share/applications/$id.desktop
    usr/share/doc/velmora/copyright
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/metainfo/$id.metainfo.xml
)
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}
# Fails unless two sorted lists of paths are equal, showing the difference.
same_files() {
    local what="$1" want="$2" got="$3"
    if [ "$want" != "$got" ]; then
        fail "$what holds other files than expected:"
        diff <(echo "$want") <(echo "$got") >&2 || true
    fi
}

echo "-- validators"
if ! out="$(desktop-file-validate "data/$id.desktop" 2>&1)" || [ -n "$out" ]; then
    fail "desktop-file-validate: $out"
fi
# --strict: every error, warning or info fails; pedantic hints do not.
appstreamcli validate --no-net --strict "data/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "data/$id.metainfo.xml" 2>&1)"

echo "-- release build and package"
deb="$(tools/package.sh)"

echo "-- install into a temporary DESTDIR"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install build/package >/dev/null
want="$(printf '%s\n' "${expected[@]}" | sort)"
same_files "the installed tree" "$want" "$(cd "$dest" && find . ! -type d | sed 's|^\./||' | sort)"
[ -x "$dest/usr/bin/velmora" ] || fail "usr/bin/velmora is not executable"
# The menu entry starts the installed program, names the installed icon and
# the window's X11 class (Qt's default: the program's file name).
entry="$dest/usr/share/applications/$id.desktop"
for line in "Exec=velmora" "Icon=$id" "StartupWMClass=velmora"; do
    grep -qx "$line" "$entry" || fail "the desktop entry lacks the line $line"
done
# The metainfo names a launchable desktop entry that the tree really holds.
appstreamcli validate-tree --no-net --strict "$dest/usr" >/dev/null ||
    fail "appstreamcli validate-tree: $(appstreamcli validate-tree --no-net "$dest/usr" 2>&1)"

echo "-- the package $deb"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(basename "$deb")" = "velmora_$(field Version)_$(dpkg --print-architecture).deb" ] ||
    fail "the package's file name is not in Debian's form"
[ "$(field Package)" = velmora ] || fail "the package is not named velmora"
[ "$(field Section)" = math ] || fail "the package's section is not math"
[ -n "$(field Maintainer)" ] || fail "the package has no maintainer"
[ -n "$(field Description)" ] || fail "the package has no description"
depends="$(field Depends)"
for package in libqt6widgets6 libqt6svg6 libc6 fonts-liberation2 fonts-dejavu-core; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "the package does not depend on $package"
done
same_files "the package" "$(printf './%s\n' "${expected[@]}" | sort)" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)"

[ "$status" -eq 0 ] && echo "The install rules and the package are right."
exit "$status"
