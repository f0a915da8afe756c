#!/bin/bash
# Configures and builds one tree: build.sh native|windows [TARGET...]
# The tree is build/native or build/windows, or NUVRI_BUILD_DIR when set.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="$1"
shift
dir="${NUVRI_BUILD_DIR:-$root/build/$tree}"

case "$tree" in
    native)
        cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
        ;;
    windows)
        cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" >/dev/null
        ;;
    *)
        echo "usage: build.sh native|windows [TARGET...]" >&2
        exit 2
        ;;
esac

targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build "$dir" "${targets[@]}"
