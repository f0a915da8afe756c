#!/bin/bash
# Fuzzes one part of the program for SECONDS (default 600) with libFuzzer
# under AddressSanitizer and UBSan and prints libFuzzer's coverage lines and
# final figures. Not part of the tests.
#   fuzz.sh loader [SECONDS]     the in-memory loader, from images the test
#                                builder makes
#   fuzz.sh playlists [SECONDS]  the playlist reader, from the playlists of
#                                its tests
# The clang tree goes to FUZZ_BUILD_DIR (default build/fuzz), each part's
# corpus to a folder of its own there; a crash leaves its input in that
# folder as crash-*.
set -euo pipefail
case "${1:-}" in
    loader) fuzzer=memory_image_fuzz writer=memory_image_first_inputs max_len=16384 ;;
    playlists) fuzzer=playlist_fuzz writer=playlist_first_inputs max_len=16384 ;;
    *)
        echo "usage: fuzz.sh loader|playlists [SECONDS]" >&2
        exit 2
        ;;
esac
seconds="${2:-600}"
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${FUZZ_BUILD_DIR:-$root/build/fuzz}"
work="$out/$1"

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
cmake --build "$out" --target "$fuzzer" "$writer" >/dev/null

mkdir -p "$work/corpus" "$work/first-inputs"
"$out/tests/fuzz/$writer" "$work/first-inputs"
cd "$work"
# libFuzzer prints a status line on each new coverage and every doubling of
# the runs, then the final statistics; only those lines are shown.
"$out/tests/fuzz/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -max_len="$max_len" \
    corpus first-inputs 2>&1 | tee fuzz.log | grep -E '^#[0-9]+.*(INITED|DONE|pulse)|^stat::|ERROR|SUMMARY' || true
crashes=$(find . -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \) | wc -l)
echo "crashes: $crashes"
[[ $crashes -eq 0 ]]
