#!/bin/bash
# Makes a Wine prefix for the program's runs and tests, once:
#   wine-prefix.sh win32|win64 PREFIX
# Wine's own interface fonts have no Chinese glyphs; the prefix links them to
# WenQuanYi Zen Hei as Windows links its interface fonts to Chinese fonts.
# Delete the prefix after changing this script: it is made only once.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

arch="$1"
prefix="$(realpath -m "$2")"
wine_environment "$arch" "$prefix"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[[ -f "$prefix/.nuvri-ready" ]] && exit 0

# A win64 prefix also asks for its 32-bit half, which may not run here; it
# works without it.
"$wine_loader" wineboot -i >/dev/null 2>&1
for font in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "System" "MS Sans Serif" "SimSun" "宋体"; do
    "$wine_loader" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ \
        /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
done
# The caption buttons, scroll arrows and check marks are glyphs of Wine's
# Marlett font, which this Wine build does not find in its data folder.
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
# Xvfb has no window manager; Wine waits for one on every managed window.
"$wine_loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1
wineserver -w
touch "$prefix/.nuvri-ready"
