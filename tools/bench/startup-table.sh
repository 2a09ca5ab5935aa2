#!/usr/bin/env bash
# Prints the start-up benchmark's markdown table from its raw per-run lines
# (tools/bench/startup.sh writes them): per figure the median, with the
# minimum and maximum, of the bare window and of the wizard, their ratio,
# and the goals the wizard's start is judged against. Warm-up runs (run=0)
# do not count.
#
# usage: startup-table.sh RUNS_FILE
#   lines: program=floor|tavrik run=N mapped_ms=.. final_ms=.. hwm_kb=..
#          idle_cpu_ms=.. total_cpu_ms=..   and   program=.. size_bytes=.. [parts=..]
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: startup-table.sh RUNS_FILE" >&2; exit 2; }
[ -r "$1" ] || { echo "startup-table: cannot read $1" >&2; exit 2; }

awk '
function fail(message) { print "startup-table: " message > "/dev/stderr"; failed = 1; exit 1 }
{
    delete field
    for (i = 1; i <= NF; i++) {
        at = index($i, "=")
        if (at < 2) fail("line " NR ": not key=value: " $i)
        field[substr($i, 1, at - 1)] = substr($i, at + 1)
    }
    program = field["program"]
    if (program != "floor" && program != "tavrik") fail("line " NR ": unknown program [" program "]")
    if ("size_bytes" in field) {
        size[program] = field["size_bytes"]
        parts[program] = field["parts"]
        next
    }
    if (!("run" in field)) fail("line " NR ": no run number")
    if (field["run"] == 0) next
    for (k = 1; k <= nkeys; k++) {
        key = keys[k]
        if (!(key in field) || field[key] !~ /^[0-9]+(\.[0-9]+)?$/) {
            fail("line " NR ": no number for " key)
        }
        count[program, key]++
        value[program, key, count[program, key]] = field[key] + 0
    }
}
BEGIN {
    nkeys = split("mapped_ms final_ms hwm_kb idle_cpu_ms total_cpu_ms", keys, " ")
    split("launch -> window mapped (ms)|launch -> pixels final (ms)|peak memory, VmHWM (MB)|" \
          "CPU over 5 s idle on page 7 (ms)|CPU of the whole launch to exit (ms)", label, "|")
}
# Sorts value[program, key, 1..n] in place and returns the median.
function median(program, key,    n, i, j, v) {
    n = count[program, key]
    for (i = 2; i <= n; i++) {
        v = value[program, key, i]
        for (j = i - 1; j >= 1 && value[program, key, j] > v; j--) {
            value[program, key, j + 1] = value[program, key, j]
        }
        value[program, key, j + 1] = v
    }
    if (n % 2) return value[program, key, (n + 1) / 2]
    return (value[program, key, n / 2] + value[program, key, n / 2 + 1]) / 2
}
function shown(v, key) { return key == "hwm_kb" ? sprintf("%.1f", v / 1024) : sprintf("%.1f", v) }
function cell(program, key,    m, n) {
    m = median(program, key)
    n = count[program, key]
    mid[program, key] = m
    return shown(m, key) " (" shown(value[program, key, 1], key) "-" shown(value[program, key, n], key) ")"
}
function ratio(a, b) { return b > 0 ? sprintf("%.2fx", a / b) : "n/a (floor 0)" }
function sized(program,    p) {
    p = parts[program]
    gsub(/_/, " ", p)
    gsub(/\+/, " + ", p)
    return size[program] (p == "" ? "" : " (" p ")")
}
function verdict(ok) { return ok ? "met" : "NOT met" }
END {
    if (failed) exit 1
    for (k = 1; k <= nkeys; k++) {
        for (p = 1; p <= 2; p++) {
            program = p == 1 ? "floor" : "tavrik"
            if (!count[program, keys[k]]) fail("no measured run of " program)
        }
    }
    runs = count["tavrik", "mapped_ms"]
    printf "| figure | bare window | tavrik.exe | ratio |\n|---|---|---|---|\n"
    for (k = 1; k <= nkeys; k++) {
        key = keys[k]
        f = cell("floor", key)
        t = cell("tavrik", key)
        r = ratio(mid["tavrik", key], mid["floor", key])
        if (key == "hwm_kb") r = r sprintf(" (%+.1f MB)", (mid["tavrik", key] - mid["floor", key]) / 1024)
        printf "| %s | %s | %s | %s |\n", label[k], f, t, r
    }
    printf "| program size (bytes) | %s | %s | %s |\n", sized("floor"), sized("tavrik"), ratio(size["tavrik"], size["floor"])
    printf "\nMedians of %d runs (minimum-maximum in brackets), after one warm-up run each.\n", runs
    printf "Goals: launch -> mapped at most 1.3x the bare window: %s; launch -> pixels final at most 1.3x: %s;\n",
        verdict(mid["tavrik", "mapped_ms"] <= 1.3 * mid["floor", "mapped_ms"]),
        verdict(mid["tavrik", "final_ms"] <= 1.3 * mid["floor", "final_ms"])
    printf "peak memory at most the bare window + 3 MB: %s; zero program CPU over the idle window in every run: %s.\n",
        verdict(mid["tavrik", "hwm_kb"] <= mid["floor", "hwm_kb"] + 3072),
        verdict(value["tavrik", "idle_cpu_ms", runs] == 0)
}' "$1"
