#!/bin/bash
# Fails when a C or C++ file that git tracks is not laid out as .clang-format
# says, naming each such file; `check-format.sh --fix` lays them out instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
command -v clang-format >/dev/null || { echo "check-format.sh: no clang-format" >&2; exit 2; }

mapfile -t files < <(git ls-files '*.c' '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
# One run for all files; each misplaced line is an error naming its file.
mapfile -t bad < <(clang-format --dry-run --Werror "${files[@]}" 2>&1 |
    sed -nE 's/^([^:]+):[0-9]+:[0-9]+: error: .*/\1/p' | sort -u)
if [[ ${#bad[@]} -gt 0 ]]; then
    echo "not laid out as .clang-format says (tools/check-format.sh --fix lays them out):"
    printf '  %s\n' "${bad[@]}"
    exit 1
fi
echo "layout: ${#files[@]} C and C++ files as .clang-format says"
