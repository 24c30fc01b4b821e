#!/usr/bin/env bash
# The style the sources follow: clang-format (.clang-format) on every C++
# file, and clang-tidy 22 (.clang-tidy) on every source file with the dev
# build's compile commands. Any finding fails the run. Run after the dev build.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "-- clang-format on ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

# The fuzz targets are built by clang in their own preset; the rest are in
# the dev build's compile commands (tools/ too, built or not). The costliest
# files, those that include GoogleTest or Qt, go first and the cheap ones
# fill the last gaps: one file a process, as many at once as there are cores.
mapfile -t units < <(
    git ls-files 'tests/*.cpp' 'src/app/qt/*.cpp' | grep -v '^tests/fuzz/'
    git ls-files 'src/*.cpp' 'tools/*.cpp' | grep -v '^src/app/qt/'
)
echo "-- clang-tidy on ${#units[@]} files"
# The dev build's compile commands without its precompiled headers: they are
# GCC's, which clang cannot read, so clang-tidy reads the headers themselves
# (and a source that includes too little fails here).
commands=build/dev/lint
mkdir -p "$commands"
sed -E 's/ -Winvalid-pch -include [^ ]*cmake_pch\.hxx//g' build/dev/compile_commands.json \
    >"$commands/compile_commands.json"
# With pipefail, a finding (xargs' status 123) fails the run.
printf '%s\n' "${units[@]}" |
    xargs -P"$(nproc)" -n1 clang-tidy-22 -p "$commands" --quiet --warnings-as-errors='*' 2>&1 |
    { grep -v 'warnings generated\.$' || true; }
