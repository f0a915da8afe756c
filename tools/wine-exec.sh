#!/bin/bash
# Runs a Windows program of the build under Wine with a private prefix:
#   wine-exec.sh PREFIX PROGRAM [ARGS...]
# The prefix is made on first use (32-bit, Chinese-capable interface fonts).
# Without a display the program runs on a virtual one.
set -euo pipefail

prefix="$(realpath -m "$1")"
shift
export WINEPREFIX="$prefix"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko download prompts, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe="

if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$prefix" "$@"
fi

"$(dirname "$0")/wine-prefix.sh" "$prefix"
exec wine "$@"
