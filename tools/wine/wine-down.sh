#!/usr/bin/env bash
# Stops what wine-up.sh started for this state folder, and nothing else: the
# Wine server of its prefix and its X server (by the recorded PID).
#
# usage: wine-down.sh STATE_DIR
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine/wine-lib.sh
. "$here/wine-lib.sh"

[ $# -eq 1 ] || tavrik_wine_fail "usage: wine-down.sh STATE_DIR"
state=$1
[ -d "$state" ] || exit 0

if [ -f "$state/env.sh" ] && [ -d "$state/prefix" ]; then
    tavrik_wine_load "$state"
    "$TAVRIK_WINESERVER" -k </dev/null >/dev/null 2>&1
    timeout 15 "$TAVRIK_WINESERVER" -w </dev/null >/dev/null 2>&1
fi

if [ -f "$state/xvfb.pid" ]; then
    pid=$(cat "$state/xvfb.pid")
    if tavrik_wine_pid_is "$pid" Xvfb; then
        kill "$pid"
        for _ in $(seq 50); do
            tavrik_wine_pid_is "$pid" Xvfb || break
            sleep 0.1
        done
        tavrik_wine_pid_is "$pid" Xvfb && kill -9 "$pid"
    fi
    rm -f "$state/xvfb.pid"
fi
exit 0
