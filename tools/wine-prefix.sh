#!/bin/bash
# Makes a Wine prefix for the program's runs and tests, once:
#   wine-prefix.sh PREFIX
# Wine's own interface fonts have no Chinese glyphs; the prefix links them to
# WenQuanYi Zen Hei as Windows links its interface fonts to Chinese fonts.
set -euo pipefail

prefix="$1"
export WINEPREFIX="$prefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe="

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[[ -f "$prefix/.nuvri-ready" ]] && exit 0

wineboot -i >/dev/null 2>&1
for font in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "System" "MS Sans Serif" "SimSun" "宋体"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ \
        /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
done
wineserver -w
touch "$prefix/.nuvri-ready"
