#!/bin/bash
# Makes the release files of the Windows program in build/release:
#   nuvri-VERSION-portable.zip  the program, README.txt (and LICENSE.txt)
#   nuvri-VERSION-setup.exe     the setup program (NSIS)
# VERSION is the project's (CMakeLists.txt). Installs what is missing first.
# The Windows tree is build/windows, or NUVRI_BUILD_DIR when set.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="${NUVRI_BUILD_DIR:-$root/build/windows}"

"$root/tools/setup.sh"
NUVRI_BUILD_DIR="$tree" "$root/tools/build.sh" windows release

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")"
out="$root/build/release"
mkdir -p "$out"
for file in "nuvri-$version-portable.zip" "nuvri-$version-setup.exe"; do
    cp "$tree/release/$file" "$out/$file"
    echo "$out/$file ($(stat -c %s "$out/$file") bytes)"
done
