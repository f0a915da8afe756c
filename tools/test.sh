#!/bin/bash
# Runs every test: the layout check, the native tree under the sanitizers,
# then the Windows tree under Wine on a virtual display. Installs what is
# missing first.
# The Windows tests run on the 32-bit build where this machine runs 32-bit
# programs, and then on the 64-bit build too; where it cannot, on the 64-bit
# build alone. NUVRI_WINDOWS_BITS=64 (or 32) tests that one build alone.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/tools/setup.sh" || exit 1
source "$root/tools/windows-build.sh"
choose_windows_build_quietly || exit 2
builds=("$windows_bits")
if [[ -z "${NUVRI_WINDOWS_BITS:-}" && "$windows_bits" == 32 ]]; then
    builds+=(64)
    echo "Windows builds: 32-bit and 64-bit ($windows_why)"
else
    echo "Windows build: ${windows_bits}-bit ($windows_why)"
fi

passed=0
failed=0
# Adds the counts of ctest's closing line to the totals.
count() {
    local summary
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -1)
    if [[ -z "$summary" ]]; then
        failed=$((failed + 1))
        return
    fi
    local total bad
    bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

log="$root/build/test-logs"
mkdir -p "$log"

echo "== layout of the C and C++ files"
"$root/tools/check-format.sh" || failed=$((failed + 1))

echo "== native tree (AddressSanitizer, UBSan)"
if "$root/tools/build.sh" native; then
    ctest --test-dir "$root/build/native" --output-on-failure -j2 2>&1 | tee "$log/native.txt"
    count "$log/native.txt"
else
    failed=$((failed + 1))
fi

for bits in "${builds[@]}"; do
    use_windows_build "$bits"
    echo "== Windows tree under Wine, ${bits}-bit build"
    if "$root/tools/build.sh" "$windows_tree"; then
        xvfb-run -a -s "-screen 0 1280x1024x24" \
            ctest --test-dir "$windows_dir" --output-on-failure 2>&1 |
            tee "$log/$windows_tree.txt"
        count "$log/$windows_tree.txt"
    else
        failed=$((failed + 1))
    fi
done

echo "tests: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
