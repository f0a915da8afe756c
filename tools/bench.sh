#!/bin/bash
# Builds the benchmarks in an optimised tree without sanitizers and runs them;
# each prints its own figures (the Windows ones under Wine). Benchmarks are
# never part of the tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/tools/setup.sh"
cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DNUVRI_SANITIZE=OFF >/dev/null
cmake --build "$root/build/bench"
for bench in "$root"/build/bench/tests/bench/*_bench; do
    echo "== $(basename "$bench")"
    "$bench" "$@"
done

# The Windows program's benchmarks run under Wine on a virtual display.
"$root/tools/build.sh" windows fill_bench
for bench in "$root"/build/windows/tests/bench_wine/*_bench.exe; do
    echo "== $(basename "$bench")"
    xvfb-run -a "$root/tools/wine-exec.sh" "$root/build/windows/wineprefix" "$bench"
done
