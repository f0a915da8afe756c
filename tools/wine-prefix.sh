#!/bin/bash
# Makes a Wine prefix for the program's runs and tests, once:
#   wine-prefix.sh win32|win64 PREFIX
# Wine's own interface fonts have no Chinese glyphs; the prefix links them to
# WenQuanYi Micro Hei as Windows links its interface fonts to Chinese fonts.
# (WenQuanYi Zen Hei asks for unsmoothed glyphs from 9 to 16 pixels, and its
# 12-pixel ideographs lose strokes that way; Micro Hei is smoothed at every
# size.) A prefix made by an earlier version of this script is made anew.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

arch="$1"
prefix="$(realpath -m "$2")"
wine_environment "$arch" "$prefix"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
stamp="$(sha256sum "$0" | cut -d' ' -f1)"
[[ "$(cat "$prefix/.nuvri-ready" 2>/dev/null)" == "$stamp" ]] && exit 0
rm -rf "$prefix"

# A win64 prefix also asks for its 32-bit half, which may not run here; it
# works without it.
"$wine_loader" wineboot -i >/dev/null 2>&1
for font in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "System" "MS Sans Serif" "SimSun" "宋体"; do
    "$wine_loader" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ \
        /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
done
# The caption buttons, scroll arrows and check marks are glyphs of Wine's
# Marlett font, which this Wine build does not find in its data folder.
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
# Xvfb has no window manager; Wine waits for one on every managed window.
"$wine_loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1
wineserver -w
echo "$stamp" >"$prefix/.nuvri-ready"
