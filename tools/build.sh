#!/bin/bash
# Configures and builds one tree: build.sh native|windows|windows64 [TARGET...]
# The tree is build/native, build/windows (the 32-bit program) or
# build/windows64 (the 64-bit one), or NUVRI_BUILD_DIR when set.
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
    windows64)
        cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake" >/dev/null
        ;;
    *)
        echo "usage: build.sh native|windows|windows64 [TARGET...]" >&2
        exit 2
        ;;
esac

targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build "$dir" "${targets[@]}"
