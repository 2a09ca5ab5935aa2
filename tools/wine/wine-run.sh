#!/usr/bin/env bash
# Runs a Windows program in the prepared prefix of a run and passes on its
# output and exit status (124 when the time-out ended it).
#
# usage: wine-run.sh [--state STATE_DIR] [--timeout SECONDS] PROGRAM [ARGS...]
# The state folder defaults to $TAVRIK_WINE_STATE (set by the CTest fixture).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine/wine-lib.sh
. "$here/wine-lib.sh"

state=""
seconds=60
while [ $# -gt 0 ]; do
    case "$1" in
        --state) state=$2; shift 2 ;;
        --timeout) seconds=$2; shift 2 ;;
        *) break ;;
    esac
done
[ $# -ge 1 ] || tavrik_wine_fail "usage: wine-run.sh [--state DIR] [--timeout SECONDS] PROGRAM [ARGS...]"
tavrik_wine_load "$state"
tavrik_wine_run "$seconds" "$@"
