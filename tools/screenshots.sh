#!/usr/bin/env bash
# Starts the wizard from the demo medium under Xvfb, presses a sequence of
# keys and saves a screenshot after the start and after each key.
#
# usage: screenshots.sh OUT_DIR [KEY...]    keys as xdotool names: Return Down F1 ...
# Needs the win64 and native builds (tools/demo.sh or tools/test-all.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 1 ] || { echo "usage: screenshots.sh OUT_DIR [KEY...]" >&2; exit 2; }
out=$(mkdir -p "$1" && cd "$1" && pwd)
shift
state=$PWD/build/screenshots
native=build/native
[ -d build/native-asan/medium ] && native=build/native-asan
tools/assemble-medium.sh "$state/medium" build/win64 "$native/medium" >/dev/null
tools/wine/wine-up.sh "$state/wine" --medium "$state/medium" >/dev/null
trap 'tools/wine/wine-down.sh "$state/wine" >/dev/null 2>&1' EXIT
. tools/wine/wine-lib.sh
TAVRIK_WINE_STATE=$state/wine
tavrik_wine_load
(cd "$state/medium" && tavrik_wine_run 300 "$state/medium/tavrik.exe" >/dev/null 2>&1) &
wizard=$!
sleep 6
import -display "$DISPLAY" -window root "$out/00-start.png"
n=0
for key in "$@"; do
    n=$((n + 1))
    xdotool key "$key"
    sleep 1.5
    import -display "$DISPLAY" -window root "$(printf '%s/%02d-%s.png' "$out" "$n" "$key")"
done
kill "$wizard" 2>/dev/null || true
ls "$out"
