#!/bin/bash
# Runs every test: the native tree under the sanitizers, then the Windows
# tree under Wine on a virtual display. Installs what is missing first.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/tools/setup.sh" || exit 1

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

echo "== native tree (AddressSanitizer, UBSan)"
if "$root/tools/build.sh" native; then
    ctest --test-dir "$root/build/native" --output-on-failure -j2 2>&1 | tee "$log/native.txt"
    count "$log/native.txt"
else
    failed=$((failed + 1))
fi

echo "== Windows tree under Wine"
if "$root/tools/build.sh" windows; then
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --test-dir "$root/build/windows" --output-on-failure 2>&1 | tee "$log/windows.txt"
    count "$log/windows.txt"
else
    failed=$((failed + 1))
fi

echo "tests: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
