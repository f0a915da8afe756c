#!/bin/bash
# Fuzzes the in-memory loader for SECONDS (default 600) with libFuzzer under
# AddressSanitizer and UBSan, starting from images the test builder makes,
# and prints libFuzzer's coverage lines and final figures. Not part of the
# tests. The build and corpus go to FUZZ_BUILD_DIR (default build/fuzz-loader);
# a crash leaves its input there as crash-*.
set -euo pipefail
seconds="${1:-600}"
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${FUZZ_BUILD_DIR:-$root/build/fuzz-loader}"

sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
fi
install() {
    echo "Installing: $*"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "$@" >/dev/null
}
command -v clang++ >/dev/null || install clang
mkdir -p "$out"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
    >"$out/probe.cpp"
if ! clang++ -fsanitize=fuzzer "$out/probe.cpp" -o "$out/probe" 2>/dev/null; then
    install "libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev"
fi

cmake -S "$root" -B "$out" -G Ninja -DNUVRI_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_COMPILER=clang -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-g -O1" >/dev/null
cmake --build "$out" --target memory_image_fuzz memory_image_first_inputs >/dev/null

mkdir -p "$out/corpus" "$out/first-inputs"
"$out/tests/fuzz/memory_image_first_inputs" "$out/first-inputs"
cd "$out"
# libFuzzer prints a status line on each new coverage and every doubling of
# the runs, then the final statistics; only those lines are shown.
tests/fuzz/memory_image_fuzz -max_total_time="$seconds" -print_final_stats=1 -max_len=16384 \
    corpus first-inputs 2>&1 | tee fuzz.log | grep -E '^#[0-9]+.*(INITED|DONE|pulse)|^stat::|ERROR|SUMMARY' || true
crashes=$(find . -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \) | wc -l)
echo "crashes: $crashes"
[[ $crashes -eq 0 ]]
