#!/usr/bin/env bash
# Prepares the Wine environment of one test run: an X server, a fresh 64-bit
# prefix that reports Windows XP, a folder mapped as a CD-ROM drive, and one
# persistent Wine server that the run's programs share.
#
# usage: wine-up.sh STATE_DIR [--medium DIR] [--medium-drive LETTER] [--display DISPLAY]
#   --display  use that X display (a desktop, with its window manager) instead
#              of starting Xvfb; the X11 driver then leaves the windows to it
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine/wine-lib.sh
. "$here/wine-lib.sh"

usage="usage: wine-up.sh STATE_DIR [--medium DIR] [--medium-drive LETTER] [--display DISPLAY]"
[ $# -ge 1 ] || tavrik_wine_fail "$usage"
state=$1
shift
medium=""
drive=d
display=""
while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || tavrik_wine_fail "$usage"
    case "$1" in
        --medium) medium=$2; shift 2 ;;
        --medium-drive) drive=$(printf '%s' "$2" | tr '[:upper:]' '[:lower:]'); shift 2 ;;
        --display) display=$2; shift 2 ;;
        *) tavrik_wine_fail "unknown option $1" ;;
    esac
done
case "$drive" in
    [d-y]) ;;
    *) tavrik_wine_fail "the medium drive must be a letter from D to Y" ;;
esac

tavrik_wine_find_tools
[ -n "$display" ] || command -v Xvfb >/dev/null || tavrik_wine_fail "Xvfb is not installed"
command -v timeout >/dev/null || tavrik_wine_fail "timeout (coreutils) is not installed"

mkdir -p "$state"
state=$(cd "$state" && pwd)
# A run that ended without its teardown leaves its servers behind: stop them
# before their prefix is replaced.
"$here/wine-down.sh" "$state" >/dev/null 2>&1 || true
rm -rf "$state/prefix" "$state/env.sh"
[ -n "$medium" ] || medium="$state/medium"
mkdir -p "$medium"
medium=$(cd "$medium" && pwd)

started=$(tavrik_wine_now_ms)

# The X server picks a free display itself and writes its number once it
# accepts connections. It runs in its own session so that the test driver
# does not wait for it, and its output goes to a file for the same reason.
# The shell records its own PID, which the X server keeps when it replaces it.
rm -f "$state/display" "$state/xvfb.pid"
own_x=no
if [ -z "$display" ]; then
    own_x=yes
    # shellcheck disable=SC2016
    setsid bash -c 'echo $$ >"$1" && shift && exec "$@"' xvfb "$state/xvfb.pid" \
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$state/display" </dev/null >"$state/xvfb.log" 2>&1 &
    for _ in $(seq 100); do
        [ -s "$state/display" ] && break
        if [ -s "$state/xvfb.pid" ] && ! kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
            tavrik_wine_fail "Xvfb did not start: $(tail -n 5 "$state/xvfb.log")"
        fi
        sleep 0.1
    done
    [ -s "$state/display" ] || tavrik_wine_fail "Xvfb did not report its display"
    display=":$(head -n 1 "$state/display")"
fi

cat >"$state/env.sh" <<ENV
export WINEPREFIX='$state/prefix'
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree=;mshtml=;winemenubuilder.exe=d;winebus.sys=d'
export DISPLAY='$display'
export TAVRIK_WINE='$TAVRIK_WINE'
export TAVRIK_WINESERVER='$TAVRIK_WINESERVER'
export TAVRIK_WINE_STATE='$state'
export TAVRIK_WINE_MEDIUM='$medium'
export TAVRIK_WINE_MEDIUM_DRIVE='$drive'
ENV
tavrik_wine_load "$state"

# The Wine server needs the prefix folder to exist before the first program.
mkdir -p "$WINEPREFIX"
"$TAVRIK_WINESERVER" -p </dev/null >>"$state/wineserver.log" 2>&1
timeout 120 "$TAVRIK_WINE" wineboot -i </dev/null >"$state/wineboot.log" 2>&1 ||
    tavrik_wine_fail "wineboot failed: $(tail -n 5 "$state/wineboot.log")"

reg_add() {
    timeout 30 "$TAVRIK_WINE" reg add "$@" /f </dev/null >>"$state/wineboot.log" 2>&1 ||
        tavrik_wine_fail "reg add $* failed"
}
# The accepted systems are Windows 2000 and XP; wine64 reports 5.1 then.
reg_add 'HKCU\Software\Wine' /v Version /d winxp
# Without a window manager, Wine otherwise waits about 2 s whenever a
# top-level window is hidden or destroyed. A desktop's window manager
# places, decorates and focuses the windows itself.
if [ "$own_x" = yes ]; then
    reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
fi
# A crashing program (the setup's crash fault, a bug) ends at once instead of
# waiting behind Wine's crash dialog, which nobody would close.
reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
reg_add 'HKLM\Software\Wine\Drives' /v "$drive:" /d cdrom
ln -sfn "$medium" "$WINEPREFIX/dosdevices/$drive:"

# The medium drive exists, as a CD-ROM, once the server has restarted.
tavrik_wine_restart_server "$state" ||
    tavrik_wine_fail "wineboot after the drive mapping failed"

# Wine draws the buttons of a window's frame with the Marlett font, which
# it does not find in its own data folder when started as the harness starts
# it: without it the buttons read "0 1 r". Fonts in the prefix are found.
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] || tavrik_wine_fail "$marlett is missing (package fonts-wine)"
mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"

# The installed suite's diagnostic service script, which the wizard runs to
# learn whether the service runs and to stop it.
mkdir -p "$WINEPREFIX/drive_c/app/qxdiag"
sed 's/$/\r/' "$here/suite/qxd.bat" >"$WINEPREFIX/drive_c/app/qxdiag/qxd.bat"

finished=$(tavrik_wine_now_ms)
echo "prefix_ms=$((finished - started))" >"$state/timings.txt"
echo "wine harness: prefix ready in $((finished - started)) ms (display $DISPLAY, medium $drive: -> $medium)"
