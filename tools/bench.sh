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

# The Windows program's benchmarks run under Wine on a virtual display, in
# the build this machine runs; each names its build (32-bit or 64-bit) first.
source "$root/tools/windows-build.sh"
choose_windows_build
"$root/tools/build.sh" "$windows_tree" fill_bench click_bench body_read_bench find_bench my_lists_bench \
    playlist_fill_bench
wine_bench() {
    echo "== $1"
    xvfb-run -a "$root/tools/wine-exec.sh" "$wine_arch" "$windows_dir/wineprefix" \
        "$windows_dir/tests/bench_wine/$1.exe" "${@:2}"
}
# The median of N curl fetches of ADDRESS, in milliseconds.
median_ms() {
    for _ in $(seq "$1"); do
        curl -s -o /dev/null -w '%{time_total}\n' "$2"
    done | sort -n | sed -n "$(($1 / 2 + 1))p" | awk '{ printf "%.2f", $1 * 1000 }'
}
wine_bench fill_bench
wine_bench my_lists_bench
wine_bench find_bench
wine_bench playlist_fill_bench

# A click on "随机精选" against the list service answering it with 1,000
# items, beside curl fetching the same address in the same run.
state="$root/build/bench/list-service"
"$root/tools/list-service.sh" start "$state" >/dev/null
trap '"$root/tools/list-service.sh" stop "$state" >/dev/null' EXIT
service="http://127.0.0.1:${NUVRI_SERVICE_PORT:-8460}"
curl -s -o /dev/null "$service/__control/fault?path=%2Fzb%2Fdouyu.php%3Fp%3D0&mode=items&n=1000"
wine_bench click_bench "$(median_ms 21 "$service/zb/douyu.php?p=0")"
curl -s -o /dev/null "$service/__control/reset"

# The native client reading a 50 MiB body, beside curl reading the same.
wine_bench body_read_bench "$(median_ms 5 "$service/drill/large?mb=50")"
