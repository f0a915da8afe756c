#!/bin/bash
# Installs what building, running and testing need, with apt; quick when all
# is there already. Runs apt through sudo when not root.
set -euo pipefail

packages=(
    cmake ninja-build g++ python3 clang-format
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 libz-mingw-w64
    wine wine32:i386 wine64 fonts-wine
    xvfb xauth x11-utils imagemagick xdotool curl ffmpeg chromium
    nsis
    fonts-wqy-microhei
)

sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
fi

# Node and npm for the browser test; any installation of them will do.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    packages+=(nodejs npm)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
