#!/bin/bash
# Builds the program and opens its window under Wine. Installs what is
# missing first. Without a display the window opens on a virtual one and a
# screenshot of it is saved.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/tools/setup.sh"
source "$root/tools/windows-build.sh"
choose_windows_build
"$root/tools/build.sh" "$windows_tree" nuvri

program="$windows_dir/src/app/nuvri.exe"
prefix="$windows_dir/wineprefix"
run=("$root/tools/wine-exec.sh" "$wine_arch" "$prefix")

# The reference list service answers what the program's hosts serve; it runs
# as long as the window does.
service_state="$root/build/list-service"
"$root/tools/list-service.sh" start "$service_state"
cleanup=("$root/tools/list-service.sh" stop "$service_state")
trap '"${cleanup[@]}"' EXIT

if [[ -n "${DISPLAY:-}" ]]; then
    "${run[@]}" "$program"
    exit
fi

# No display: a virtual one, with a Wine desktop so the window has its frame.
# NUVRI_DISPLAY names the display to open (":120"); by default one is picked.
display="${NUVRI_DISPLAY:-:$((90 + RANDOM % 100))}"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; "${cleanup[@]}"' EXIT
export DISPLAY="$display"
# Wine needs the display to answer already; a busy machine starts it slowly.
for _ in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.2
done
"${run[@]}" explorer /desktop=nuvri,1280x800 "$program" &
wine=$!

screenshot="$root/build/screenshots/run.png"
mkdir -p "$(dirname "$screenshot")"
for _ in $(seq 1 60); do
    xdotool search --name "Nuvri" >/dev/null 2>&1 && break
    sleep 0.5
done
sleep 1
import -window root "$screenshot"
echo "No display: the window runs on the virtual display $display."
echo "Screenshot: $screenshot"
echo "Another one: DISPLAY=$display import -window root shot.png"
echo "Ctrl+C ends the program."
wait $wine
