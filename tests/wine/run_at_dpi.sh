#!/bin/bash
# Runs a Windows test program under Wine at another system DPI, in a prefix of
# its own, on a virtual screen of the given size:
#   run_at_dpi.sh PREFIX DPI WIDTHxHEIGHT PROGRAM [ARGS...]
# Wine 8 reads the DPI from HKCU\Control Panel\Desktop\LogPixels when a
# process starts.
set -euo pipefail

prefix="$(realpath -m "$1")"
dpi="$2"
screen="$3"
shift 3
tools="$(cd "$(dirname "$0")/../../tools" && pwd)"

if [[ -z "${NUVRI_DPI_SCREEN:-}" ]]; then
    export NUVRI_DPI_SCREEN="$screen"
    exec xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$prefix" "$dpi" "$screen" "$@"
fi

"$tools/wine-prefix.sh" "$prefix"
WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all \
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
WINEPREFIX="$prefix" wineserver -w
exec "$tools/wine-exec.sh" "$prefix" "$@"
