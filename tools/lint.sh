#!/usr/bin/env bash
# The style the sources follow: clang-format (.clang-format) on every C++
# file, and clang-tidy 22 (.clang-tidy) on every source file with the asan
# build's compile commands. Any finding fails the run. Run after the asan build.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "-- clang-format on ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

# The fuzz targets are built in their own preset; the rest are in the asan
# build's compile commands (tools/ too, built or not). The costliest
# files, those that include GoogleTest or Qt, go first and the cheap ones
# fill the last gaps: one file a process, as many at once as there are cores.
mapfile -t units < <(
    git ls-files 'tests/*.cpp' 'src/app/qt/*.cpp' | grep -v '^tests/fuzz/'
    git ls-files 'src/*.cpp' 'tools/*.cpp' | grep -v '^src/app/qt/'
)
echo "-- clang-tidy on ${#units[@]} files"
# The asan build is clang 22's, as clang-tidy is, so clang-tidy reads its
# precompiled GoogleTest and Qt headers instead of parsing them anew.
commands=build/asan
# With pipefail, a finding (xargs' status 123) fails the run.
printf '%s\n' "${units[@]}" |
    xargs -P"$(nproc)" -n1 clang-tidy-22 -p "$commands" --quiet --warnings-as-errors='*' 2>&1 |
    { grep -v 'warnings generated\.$' || true; }
