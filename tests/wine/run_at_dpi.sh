#!/bin/bash
# Runs a Windows test program under Wine at another system DPI, in a prefix of
# its own, on a virtual screen of the given size:
#   run_at_dpi.sh win32|win64 PREFIX DPI WIDTHxHEIGHT PROGRAM [ARGS...]
# Wine 8 reads the DPI from HKCU\Control Panel\Desktop\LogPixels when a
# process starts.
set -euo pipefail

arch="$1"
prefix="$(realpath -m "$2")"
dpi="$3"
screen="$4"
shift 4
tools="$(cd "$(dirname "$0")/../../tools" && pwd)"
source "$tools/wine-env.sh"

if [[ -z "${NUVRI_DPI_SCREEN:-}" ]]; then
    export NUVRI_DPI_SCREEN="$screen"
    exec xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$arch" "$prefix" "$dpi" "$screen" "$@"
fi

"$tools/wine-prefix.sh" "$arch" "$prefix"
wine_environment "$arch" "$prefix"
"$wine_loader" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null
wineserver -w
exec "$tools/wine-exec.sh" "$arch" "$prefix" "$@"
