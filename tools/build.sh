#!/bin/bash
# Configures and builds one tree: build.sh native|windows [TARGET...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="$1"
shift

case "$tree" in
    native)
        cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
        ;;
    windows)
        cmake -S "$root" -B "$root/build/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
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
cmake --build "$root/build/$tree" "${targets[@]}"
