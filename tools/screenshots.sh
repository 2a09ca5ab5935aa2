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
. tools/demo-lib.sh
set +e
demo_wizard_start "$state" "$state/medium" || exit 1

# What the window shows: its page and its texts.
shown() { probe page 2>/dev/null; probe all 2>/dev/null; }

demo_screenshot "$out/00-start.png"
n=0
for key in "$@"; do
    n=$((n + 1))
    before=$(shown)
    xdotool key "$key"
    # Until the window shows the key's effect; one that changes nothing the
    # probe reads (a flag's highlight) waits the whole 3 s.
    until_s=$((SECONDS + 3))
    while [ "$SECONDS" -lt "$until_s" ] && [ "$(shown)" = "$before" ]; do
        sleep 0.1
    done
    demo_screenshot "$(printf '%s/%02d-%s.png' "$out" "$n" "$key")"
done
ls "$out"
