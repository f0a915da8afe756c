#!/bin/bash
# Runs a Windows program of a build under Wine with a private prefix:
#   wine-exec.sh win32|win64 PREFIX PROGRAM [ARGS...]
# The prefix is made on first use (of that architecture, with Chinese-capable
# interface fonts). Without a display the program runs on a virtual one.
set -euo pipefail
tools="$(dirname "$0")"
source "$tools/wine-env.sh"

arch="$1"
prefix="$(realpath -m "$2")"
shift 2
wine_environment "$arch" "$prefix"

if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$arch" "$prefix" "$@"
fi

"$tools/wine-prefix.sh" "$arch" "$prefix"
exec "$wine_loader" "$@"
