#!/usr/bin/env bash
# Installs the Debian packages the three builds, the tests and the demo need,
# when any is missing, on a Debian 12 machine that may have no more than a
# minimal image. Recommended packages are left out: what is needed is named.
#
# usage: sudo tools/install-dependencies.sh
set -euo pipefail

# tools/check-dependencies.sh (a test) reads this array: every command the
# scripts run must come from one of these packages, a direct dependency of
# one, or the minimal image. fonts-liberation2 has Arial's metrics: Wine
# takes it for the wizard's fonts, so texts wrap as they do on Windows;
# fonts-wine draws the symbols of Wine's window frames.
packages=(
    cmake ninja-build g++ clang clang-format libclang-rt-14-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 fonts-liberation2 fonts-wine xvfb xdotool imagemagick x11-utils procps git debootstrap
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "All build and test packages are installed."
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
