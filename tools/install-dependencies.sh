#!/usr/bin/env bash
# Installs the Debian packages the three builds, the tests and the demo need,
# when any is missing, on a Debian 12 machine that may have no more than a
# minimal image. Recommended packages are left out: what is needed is named.
#
# usage: tools/install-dependencies.sh   (as root, or as a user with sudo)
set -euo pipefail

# tools/check-dependencies.sh (a test) reads this array: every command the
# scripts run must come from one of these packages, a direct dependency of
# one, or the minimal image. fonts-liberation2 has Arial's metrics: Wine
# takes it for the wizard's fonts, so texts wrap as they do on Windows;
# fonts-wine draws the symbols of Wine's window frames. wine32:i386 runs
# the i686 release build (a 32-bit prefix); it needs the i386 architecture,
# which the installer enables when it is missing.
packages=(
    cmake ninja-build g++ clang clang-format libclang-rt-14-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    wine wine64 wine32:i386 fonts-liberation2 fonts-wine xvfb xdotool imagemagick x11-utils procps git debootstrap
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# wine32:i386 needs the i386 architecture; dpkg-query cannot even name an
# i386 package before it is enabled, so this comes first.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Enabling the i386 architecture (for wine32:i386)"
    "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

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
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
