#!/usr/bin/env bash
# The wizard's start against the least a Win32 program does to show a
# window, both measured in the same run under Wine: a fresh prefix of our
# own under build/bench/startup (tools/wine/wine-up.sh: its own Xvfb,
# Windows XP, the medium as CD-ROM drive D:, one persistent Wine server),
# the bare window floor.exe and the wizard started alternately, each after
# one warm-up run that does not count. Prints a markdown table of medians
# with the ratios wizard/floor; the raw per-run lines stay in the results
# folder it names. A benchmark, not a test.
#
# The wizard starts as D:\tavrik.exe with D:\ as its current folder, as from
# the workshop's medium. startup-watch.exe (Windows side) starts each
# program and times its window; this script reads the program's Linux
# process (/proc) for its memory and CPU. Nothing waits a fixed time except
# the idle window, which is itself the measurement.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/../.."
root=$PWD

usage() {
    cat <<USAGE
usage: tools/bench/startup.sh [--runs N] [--target EXE]
  --runs N      measured runs of each program (default 5), after one warm-up
  --target EXE  the wizard in its medium folder (default: the demo medium's,
                build/demo/medium/tavrik.exe, assembled under build/bench
                from build/win64 and build/native/medium when missing)
Needs the win64 build (cmake --preset win64 && cmake --build --preset win64).
USAGE
}
fail() {
    echo "startup: $*" >&2
    exit 1
}

runs=5
target=""
while [ $# -gt 0 ]; do
    case "$1" in
        --help | -h) usage; exit 0 ;;
        --runs | --target)
            [ $# -ge 2 ] || fail "$1 needs a value"
            [ "$1" = --runs ] && runs=$2 || target=$2
            shift 2 ;;
        *) usage >&2; exit 2 ;;
    esac
done
case "$runs" in
    '' | *[!0-9]* | 0*) fail "--runs takes a whole number from 1, not [$runs]" ;;
esac

state=$root/build/bench/startup
programs=$root/build/win64/tools/bench
for program in floor.exe keepalive.exe startup-watch.exe; do
    [ -f "$programs/$program" ] || fail "no $programs/$program: build the win64 preset first"
done
if [ -z "$target" ]; then
    target=$root/build/demo/medium/tavrik.exe
    if [ ! -f "$target" ]; then
        tools/assemble-medium.sh "$state/medium" build/win64 build/native/medium >/dev/null
        target=$state/medium/tavrik.exe
    fi
fi
case "$target" in
    /*) ;;
    *) target=$caller/$target ;;
esac
[ -f "$target" ] || fail "no wizard at $target"
medium=$(cd "$(dirname "$target")" && pwd)
wizard_name=$(basename "$target")
[ -f "$medium/lx32.dll" ] || fail "no lx32.dll beside $target: not a medium folder"

results=$state/results-$(date -u +%Y%m%dT%H%M%SZ)
mkdir -p "$results"
raw=$results/runs.txt

# Wine with the overrides of the harness (no gamepad polling: winebus.sys
# would be counted) and the X11 driver unmanaged (no 2 s wait at a hide).
tools/wine/wine-up.sh "$state/wine" --medium "$medium" >"$results/wine-up.log" 2>&1 ||
    fail "the prefix was not made: $(tail -n 3 "$results/wine-up.log")"
finish() {
    tools/wine/wine-down.sh "$state/wine" >/dev/null 2>&1 || true
}
trap finish EXIT
# shellcheck source=tools/wine/wine-lib.sh
. tools/wine/wine-lib.sh
tavrik_wine_load "$state/wine"
mkdir -p "$WINEPREFIX/drive_c/bench"
cp "$programs/floor.exe" "$programs/keepalive.exe" "$programs/startup-watch.exe" \
    "$WINEPREFIX/drive_c/bench/"
"$TAVRIK_WINE" 'C:\bench\keepalive.exe' </dev/null >>"$results/keepalive.log" 2>&1 &

# The Linux process of a program of our prefix, by its name as Wine sets it.
linux_pid() {
    local name=${1:0:15} proc comm
    for proc in /proc/[0-9]*; do
        comm=$(cat "$proc/comm" 2>/dev/null) || continue
        [ "$comm" = "$name" ] || continue
        tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
            { echo "${proc#/proc/}"; return 0; }
    done
    return 1
}

# CPU time in ns of the living threads (first field of their schedstat).
thread_cpu_ns() {
    local sum=0 task ns rest
    for task in /proc/"$1"/task/*/schedstat; do
        read -r ns rest <"$task" 2>/dev/null || continue
        sum=$((sum + ns))
    done
    echo "$sum"
}

ticks_per_second=$(getconf CLK_TCK)

# measure NAME RUN WINDOWS_PATH [WATCH OPTIONS...]: one start, its figures
# appended to the raw lines. The watcher talks through two pipes that stay
# open after it ends, so that its last lines can be read then.
# One "key=value" line of the watcher into `got`; a partial or empty line
# (the watcher's output cut by a time-out) is left out.
keep_watch_line() {
    local line=${1%$'\r'}
    [[ $line == ?*=* ]] || return 0
    got[${line%%=*}]=${line#*=}
}

measure() {
    local name=$1 run=$2 program=$3 line pid idle_from idle_to hwm="" key value
    local -A got=()
    shift 3
    local pipes=$results/pipes
    rm -f "$pipes.in" "$pipes.out"
    mkfifo "$pipes.in" "$pipes.out"
    "$TAVRIK_WINE" 'C:\bench\startup-watch.exe' "$@" "$program" \
        <"$pipes.in" >"$pipes.out" 2>>"$results/watch.log" &
    local watch_pid=$! to_watch from_watch
    exec {to_watch}>"$pipes.in" {from_watch}<"$pipes.out"
    # The watcher prints its figures and "ready" once the pixels are final
    # (at most its time-out of 30 s for the window, then 1.5 s of grabs).
    while IFS= read -r -t 60 -u "$from_watch" line; do
        line=${line%$'\r'}
        [ "$line" = ready ] && break
        got[${line%%=*}]=${line#*=}
    done
    [ "$line" = ready ] || fail "$name run $run: the watcher did not report (see $results/watch.log)"
    pid=$(linux_pid "$(basename "${program//\\//}")") || fail "$name run $run: its Linux process was not found"
    # The idle window starts half a second after the pixels were final.
    sleep 0.5
    idle_from=$(thread_cpu_ns "$pid")
    sleep 5
    idle_to=$(thread_cpu_ns "$pid")
    while read -r key value _; do
        [ "$key" = VmHWM: ] && hwm=$value
    done <"/proc/$pid/status"
    echo close >&"$to_watch"
    # Until the process is gone: its CPU from the launch (utime + stime of
    # /proc/PID/stat count the threads that ended too), read every 5 ms
    # while the watcher's last lines come in.
    local ticks=0 stat rest fields
    while [ -r "/proc/$pid/stat" ]; do
        if read -r stat <"/proc/$pid/stat" 2>/dev/null; then
            rest=${stat##*) }
            read -r -a fields <<<"$rest"
            ticks=$((fields[11] + fields[12]))
        fi
        if IFS= read -r -t 0.005 -u "$from_watch" line; then
            keep_watch_line "$line"
        fi
    done
    while IFS= read -r -t 30 -u "$from_watch" line; do
        keep_watch_line "$line"
    done
    exec {to_watch}>&- {from_watch}<&-
    wait "$watch_pid" || fail "$name run $run: the watcher failed (see $results/watch.log)"
    [ "${got[exit_code]:-}" = 0 ] || echo "startup: $name run $run ended with code ${got[exit_code]:-?}" >&2
    echo "program=$name run=$run mapped_ms=${got[mapped_ms]} final_ms=${got[final_ms]}" \
        "hwm_kb=$hwm idle_cpu_ms=$(awk -v ns=$((idle_to - idle_from)) 'BEGIN { printf "%.3f", ns / 1e6 }')" \
        "total_cpu_ms=$((ticks * 1000 / ticks_per_second)) grabs=${got[grabs]} close_ms=${got[close_ms]}" \
        "exit_code=${got[exit_code]}" >>"$raw"
}

echo "startup: $runs runs each after a warm-up; raw lines in $raw" >&2
echo "startup: load before the runs: $(cut -d ' ' -f 1-3 /proc/loadavg)" >&2
for run in $(seq 0 "$runs"); do
    measure floor "$run" 'C:\bench\floor.exe' --title Floor
    # The wizard's form (its caption is empty); F1 is page 7's exit key.
    measure tavrik "$run" "D:\\$wizard_name" --class TavrikForm --close-key F1
done
echo "program=floor size_bytes=$(stat -c %s "$programs/floor.exe")" >>"$raw"
exe_bytes=$(stat -c %s "$target")
dll_bytes=$(stat -c %s "$medium/lx32.dll")
echo "program=tavrik size_bytes=$((exe_bytes + dll_bytes)) parts=exe_${exe_bytes}+dll_${dll_bytes}" >>"$raw"
echo "startup: load after the runs: $(cut -d ' ' -f 1-3 /proc/loadavg)" >&2
tools/bench/startup-table.sh "$raw" | tee "$results/table.md"
