#!/usr/bin/env bash
# Runs the wizard on the built-in demo medium under Wine. With a display
# (DISPLAY set) the window opens there; without one it runs under Xvfb and
# a screenshot of the first page is saved.
#
# usage: demo.sh [WIZARD ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
jobs=${TAVRIK_JOBS:-2}

echo "=== building the wizard and the medium's programs (win64), the dictionaries and pictures (native)"
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs" --target tavrik lx32 demo_setup brendol brendolx compmark
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs" --target medium_dictionaries medium_wait_pictures

state=$source_dir/build/demo
medium=$state/medium
tools/assemble-medium.sh "$medium" build/win64 build/native/medium

. tools/wine/wine-lib.sh
tavrik_wine_find_tools
if [ -n "${DISPLAY:-}" ]; then
    # A prefix of our own on the user's display.
    export WINEPREFIX=$state/prefix WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d;winebus.sys=d"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$TAVRIK_WINE" wineboot -i >/dev/null 2>&1
        "$TAVRIK_WINE" reg add 'HKCU\Software\Wine' /v Version /d winxp /f >/dev/null 2>&1
    fi
    # The setup's crash fault ends the setup at once, without Wine's dialog
    # (set each time: a prefix made before may lack it).
    "$TAVRIK_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 \
        /f >/dev/null 2>&1
    ln -sfn "$medium" "$WINEPREFIX/dosdevices/d:"
    "$TAVRIK_WINE" reg add 'HKLM\Software\Wine\Drives' /v 'd:' /d cdrom /f >/dev/null 2>&1
    echo "=== the wizard runs on $DISPLAY; close it with its exit button or F1"
    cd "$medium" && exec "$TAVRIK_WINE" tavrik.exe "$@"
fi

echo "=== no display: running under Xvfb"
tools/wine/wine-up.sh "$state/xvfb" --medium "$medium" >/dev/null
trap 'tools/wine/wine-down.sh "$state/xvfb" >/dev/null 2>&1' EXIT
TAVRIK_WINE_STATE=$state/xvfb
tavrik_wine_load
(cd "$medium" && tavrik_wine_run 60 "$medium/tavrik.exe" "$@" >/dev/null 2>&1) &
wizard=$!
sleep 8
shot=$state/demo-page7.png
import -display "$DISPLAY" -window root "$shot"
echo "=== screenshot of the first page: $shot"
kill "$wizard" 2>/dev/null || true
