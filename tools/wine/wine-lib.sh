# shellcheck shell=bash
# Shared functions of the Wine harness; sourced by the wine-*.sh commands and
# by end-to-end test scripts. Everything a run starts is recorded in one state
# folder, so that only those processes are ever stopped.
#
# State folder layout:
#   prefix/      the WINEPREFIX (64-bit, reports Windows XP)
#   medium/      default folder mapped as the CD-ROM drive
#   env.sh       the environment every Wine command of the run needs
#   xvfb.pid     the X server started for the run
#   *.log        output of the X server, the Wine server and wineboot

tavrik_wine_fail() {
    echo "wine harness: $*" >&2
    exit 1
}

# Resolves the Wine commands; fails when Wine is not installed. The prefix's
# architecture picks the launcher: Debian 12 keeps the 64-bit one off PATH
# (/usr/lib/wine/wine64), and once wine32 is installed its `wine` is the
# 32-bit launcher, whose programs see only the 32-bit view of a 64-bit
# prefix's registry.
tavrik_wine_find_tools() {
    if [ "${WINEARCH:-win64}" = win32 ]; then
        TAVRIK_WINE=${TAVRIK_WINE:-$(tavrik_wine_first_program /usr/lib/wine/wine wine)}
    else
        TAVRIK_WINE=${TAVRIK_WINE:-$(tavrik_wine_first_program /usr/lib/wine/wine64 wine64 wine)}
    fi
    TAVRIK_WINESERVER=${TAVRIK_WINESERVER:-$(command -v wineserver64 || command -v wineserver || true)}
    [ -n "$TAVRIK_WINE" ] || tavrik_wine_fail "wine is not installed (no launcher for a ${WINEARCH:-win64} prefix)"
    [ -n "$TAVRIK_WINESERVER" ] || tavrik_wine_fail "wineserver is not on PATH"
}

# The first of the programs (a path or a name on PATH) that exists.
tavrik_wine_first_program() {
    local program
    for program in "$@"; do
        command -v "$program" 2>/dev/null && return 0
    done
    return 0
}

tavrik_wine_state_dir() {
    local state=${1:-${TAVRIK_WINE_STATE:-}}
    [ -n "$state" ] || tavrik_wine_fail "no state folder (argument or TAVRIK_WINE_STATE)"
    printf '%s\n' "$state"
}

# Loads the environment of a prepared run into the calling shell.
tavrik_wine_load() {
    local state
    state=$(tavrik_wine_state_dir "${1:-}") || exit 1
    [ -f "$state/env.sh" ] || tavrik_wine_fail "no prepared prefix in $state (did wine-up.sh run?)"
    # shellcheck source=/dev/null
    . "$state/env.sh"
}

# Whether the PID still belongs to a process with the given command name, so
# a PID reused by someone else's process is never signalled.
tavrik_wine_pid_is() {
    local pid=$1 name=$2
    [ -n "$pid" ] && [ -r "/proc/$pid/comm" ] && [ "$(cat "/proc/$pid/comm")" = "$name" ]
}

# Milliseconds since the epoch, for the timings the harness reports.
tavrik_wine_now_ms() {
    date +%s%3N
}

# Runs a Windows program in the loaded prefix with a time-out in seconds.
# Its output goes to ours; the exit status is the program's (low 8 bits, as
# Unix reports it), or 124 when the time-out ended it.
tavrik_wine_run() {
    local seconds=$1
    shift
    [ $# -ge 1 ] || tavrik_wine_fail "usage: tavrik_wine_run SECONDS PROGRAM [ARGS...]"
    case "$1" in
        *.exe | *.EXE)
            [ -f "$1" ] || tavrik_wine_fail "program not found: $1"
            ;;
    esac
    local status=0
    timeout --kill-after=5 "$seconds" "$TAVRIK_WINE" "$@" || status=$?
    if [ "$status" -eq 124 ]; then
        echo "wine harness: $1 did not end within $seconds s" >&2
    fi
    return "$status"
}

# Restarts the loaded prefix's Wine server and its services: the mount
# manager learns drives and their types only when it starts, and a restart
# sequence asked for by a program leaves them as it found them, not as the
# prefix describes them. Logs go to the state folder given.
tavrik_wine_restart_server() {
    local state=$1
    "$TAVRIK_WINESERVER" -k </dev/null >/dev/null 2>&1 || true
    "$TAVRIK_WINESERVER" -w </dev/null >/dev/null 2>&1 || true
    "$TAVRIK_WINESERVER" -p </dev/null >>"$state/wineserver.log" 2>&1
    timeout 60 "$TAVRIK_WINE" wineboot </dev/null >>"$state/wineboot.log" 2>&1
}

# Points the medium drive of the loaded prefix at another folder. Wine reads
# the drive's link at every open, so programs see the new folder at once.
tavrik_wine_use_medium() {
    [ -d "$1" ] || tavrik_wine_fail "no medium folder $1"
    ln -sfn "$(cd "$1" && pwd)" "$WINEPREFIX/dosdevices/$TAVRIK_WINE_MEDIUM_DRIVE:"
}

# Prints the data of a string value as Wine's registry tool reports it
# (nothing when the key or value is missing):
#   tavrik_wine_reg_value 'HKLM\SOFTWARE\NORVA\BRENDOL_PC' Install
# An answer that is neither the value nor "Unable to find" means the tool
# itself failed (seen once on a loaded machine): asked again, a few times.
tavrik_wine_reg_value() {
    local answer attempt
    for attempt in 1 2 3 4 5; do
        answer=$("$TAVRIK_WINE" reg query "$1" /v "$2" 2>&1 | tr -d '\r')
        case "$answer" in
            *"    REG_"* | *"Unable to find"*) break ;;
        esac
        [ "$attempt" -eq 5 ] || sleep 0.2
    done
    # Lines read "    <name>    REG_SZ    <data>"; /v leaves only the value asked for.
    printf '%s\n' "$answer" | awk '
        {
            at = index($0, "    REG_SZ    ")
            if (at == 0) at = index($0, "    REG_EXPAND_SZ    ")
            if (at == 0) next
            rest = substr($0, at + 4)
            print substr(rest, index(rest, "    ") + 4)
            exit
        }'
}

# Whether a registry key exists, as Wine's registry tool sees it.
tavrik_wine_reg_key_exists() {
    "$TAVRIK_WINE" reg query "$1" >/dev/null 2>&1
}
