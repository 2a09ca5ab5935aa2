#!/usr/bin/env bash
# Proves that the start-up benchmark's table takes medians of the measured
# runs only (the warm-up left out, an even count averaged), divides the
# wizard's by the bare window's, judges the goals from them, and refuses
# raw lines it cannot read, naming the line.
#
# usage: startup-table-test.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
table=$here/../bench/startup-table.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/expect-fault.sh"

# run PROGRAM N MAPPED FINAL HWM_KB IDLE TOTAL: one raw line.
run() {
    echo "program=$1 run=$2 mapped_ms=$3 final_ms=$4 hwm_kb=$5 idle_cpu_ms=$6 total_cpu_ms=$7 grabs=150"
}
{
    # The warm-ups would move every median if they counted.
    run floor 0 900 900 90000 9 900
    run tavrik 0 900 900 90000 9 900
    run floor 1 100 110 10240 0 200
    run tavrik 1 120 150 12288 0 260
    run floor 2 120 130 10240 0.000 220
    run tavrik 2 160 170 14336 0 300
    run floor 3 110 120 11264 0 210
    run tavrik 3 140 160 13312 0.5 280
    run floor 4 90 100 10240 0 190
    run tavrik 4 130 140 12288 0 270
    echo "program=floor size_bytes=50000"
    echo "program=tavrik size_bytes=1500000 parts=exe_1000000+dll_500000"
} >"$work/runs.txt"

out=$("$table" "$work/runs.txt")
# expect_line NAME LINE: the table has that exact line.
expect_line() {
    if grep -qxF -- "$2" <<<"$out"; then
        echo "ok   $1"
    else
        echo "FAIL $1: no line \"$2\" in:"
        sed 's/^/    /' <<<"$out"
        failures=$((failures + 1))
    fi
}
expect_line "header" "| figure | bare window | tavrik.exe | ratio |"
expect_line "mapped: medians of four runs, minimum and maximum" \
    "| launch -> window mapped (ms) | 105.0 (90.0-120.0) | 135.0 (120.0-160.0) | 1.29x |"
expect_line "final pixels" \
    "| launch -> pixels final (ms) | 115.0 (100.0-130.0) | 155.0 (140.0-170.0) | 1.35x |"
expect_line "memory in MB with the difference" \
    "| peak memory, VmHWM (MB) | 10.0 (10.0-11.0) | 12.5 (12.0-14.0) | 1.25x (+2.5 MB) |"
expect_line "idle CPU: no ratio to a floor of zero" \
    "| CPU over 5 s idle on page 7 (ms) | 0.0 (0.0-0.0) | 0.0 (0.0-0.5) | n/a (floor 0) |"
expect_line "whole launch CPU" \
    "| CPU of the whole launch to exit (ms) | 205.0 (190.0-220.0) | 275.0 (260.0-300.0) | 1.34x |"
expect_line "sizes with the wizard's parts" \
    "| program size (bytes) | 50000 | 1500000 (exe 1000000 + dll 500000) | 30.00x |"
expect_line "goals judged on the medians" \
    "Goals: launch -> mapped at most 1.3x the bare window: met; launch -> pixels final at most 1.3x: NOT met;"
# One run of four with idle CPU is enough to miss the goal of zero.
expect_line "memory and idle goals" \
    "peak memory at most the bare window + 3 MB: met; zero program CPU over the idle window in every run: NOT met."

grep -v 'program=tavrik run=[1-4]' "$work/runs.txt" >"$work/no-wizard.txt"
expect_fault "no measured run of the wizard" "no measured run of tavrik" "$table" "$work/no-wizard.txt"
sed '3s/final_ms=110/final_ms=/' "$work/runs.txt" >"$work/empty-figure.txt"
expect_fault "a figure without a number" "line 3: no number for final_ms" "$table" "$work/empty-figure.txt"
sed '5s/^program=floor/program=floor oops/' "$work/runs.txt" >"$work/garbled.txt"
expect_fault "a word that is no key=value" "line 5: not key=value: oops" "$table" "$work/garbled.txt"
sed '4s/program=tavrik/program=probe/' "$work/runs.txt" >"$work/stranger.txt"
expect_fault "an unknown program" "line 4: unknown program [probe]" "$table" "$work/stranger.txt"
expect_fault "a missing file" "cannot read" "$table" "$work/none.txt"
report_cases
