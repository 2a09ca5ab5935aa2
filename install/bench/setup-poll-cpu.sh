#!/usr/bin/env bash
# How much CPU the wizard uses while the packaged setup runs: the real
# program under Wine, driven by keys to a first installation whose setup
# hangs without a step; the wizard's own CPU time is read from /proc over
# 10 s of that wait. Needs the win64 build and the native build's medium
# (tools/test-all.sh or tools/demo.sh build both).
#
# usage: install/bench/setup-poll-cpu.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
seconds=${1:-10}
state=$root/build/bench/setup-poll
# The wizard's own diagnostics go to standard output: only the figure stays.
exec 3>&1 >/dev/null

tools/assemble-medium.sh "$state/medium" build/win64 build/native/medium >/dev/null
# A setup that takes no step and only waits: nothing for the page to do but poll.
sed -i 's/^Steps=.*\r$/Steps=0\r/; s/^HangSeconds=.*\r$/HangSeconds='$((seconds + 20))'\r/' \
    "$state/medium/install.iss"
tools/wine/wine-up.sh "$state/wine" --medium "$state/medium" >/dev/null
export TAVRIK_WINE_STATE=$state/wine TAVRIK_DEMO_MEDIUM=$state/medium TAVRIK_WIN64_DIR=$root/build/win64
. tools/wine/wine-lib.sh
. tests/e2e/lib/checks.sh
. tests/e2e/lib/wizard.sh
. tests/e2e/decision/decision.sh
finish() {
    decision_cleanup >/dev/null 2>&1
    tools/wine/wine-down.sh "$state/wine" >/dev/null 2>&1
}
decision_setup >/dev/null
trap finish EXIT
decision_machine first-installation
wizard_start
decision_confirm_language >/dev/null
decision_expect_page 1 "the volume page" >/dev/null
probe key ENTER >/dev/null
for _ in $(seq 600); do
    wizard_trace | grep -q '^EXE=setup.exe' && break
    sleep 0.1
done
wizard_trace | grep -q '^EXE=setup.exe' || tavrik_wine_fail "the setup was not launched"

# The wizard's Linux process: the Wine program under the time-out wrapper.
wizard=""
for wrapper in $(pgrep -P "$wizard_job"); do
    for child in $(pgrep -P "$wrapper"); do
        tavrik_wine_pid_is "$child" tavrik.exe && wizard=$child
    done
done
[ -n "$wizard" ] || tavrik_wine_fail "the wizard's process was not found"
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
ticks_per_second=$(getconf CLK_TCK)
before=$(cpu_ticks "$wizard")
started=$(tavrik_wine_now_ms)
sleep "$seconds"
after=$(cpu_ticks "$wizard")
elapsed=$(($(tavrik_wine_now_ms) - started))
cpu_ms=$(((after - before) * 1000 / ticks_per_second))
echo "wizard CPU while the setup runs: ${cpu_ms} ms over ${elapsed} ms" \
    "($(awk -v c="$cpu_ms" -v e="$elapsed" 'BEGIN { printf "%.2f", 100 * c / e }')% of one core)" >&3
