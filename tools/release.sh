#!/bin/bash
# Makes the release files of the Windows program in build/release:
#   nuvri-VERSION-portable.zip      the 32-bit program, README.txt (and LICENSE.txt)
#   nuvri-VERSION-setup.exe         its setup program (NSIS)
#   nuvri-VERSION-portable-x64.zip  the 64-bit program, README.txt (and LICENSE.txt)
#   nuvri-VERSION-setup-x64.exe     its setup program, itself 64-bit
# VERSION is the project's (CMakeLists.txt). Installs what is missing first.
# The trees are build/windows and build/windows64. Building needs no Wine,
# so both are made on every machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/tools/setup.sh"
out="$root/build/release"
mkdir -p "$out"
for tree in windows windows64; do
    dir="$root/build/$tree"
    NUVRI_BUILD_DIR="$dir" "$root/tools/build.sh" "$tree" release
    version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")"
    suffix=""
    [[ "$tree" == windows64 ]] && suffix="-x64"
    for file in "nuvri-$version-portable$suffix.zip" "nuvri-$version-setup$suffix.exe"; do
        cp "$dir/release/$file" "$out/$file"
        echo "$out/$file ($(stat -c %s "$out/$file") bytes)"
    done
done
