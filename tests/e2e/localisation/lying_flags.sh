#!/usr/bin/env bash
# Thirty lying flags of 60 bytes each that declare compressed 4096 x 4096
# pictures: the language page refuses the flag in its error box, as one that
# cannot be read, and the wizard's peak memory stays below 200 MB.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/../lib/checks.sh"
. "$here/../lib/wizard.sh"
. "$here/../lib/lying_flags.sh"

# Peak memory in KB of this prefix's tavrik.exe process.
wizard_peak_kb() {
    local proc
    for proc in /proc/[0-9]*; do
        [ "$(cat "$proc/comm" 2>/dev/null)" = tavrik.exe ] || continue
        tr '\0' '\n' <"$proc/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        awk '$1 == "VmHWM:" { print $2 }' "$proc/status"
        return 0
    done
    return 1
}

wizard_setup
rm -f "$wizard_medium/BRENDOL/DICO/"*.bmp
write_lying_flags "$wizard_medium/BRENDOL/DICO"
wizard_start
probe key ENTER >/dev/null
dialog=$(probe wait-dialog 15000)
check_equals "the refused flag is told in the error box" 1 \
    "$(printf '%s\n' "$dialog" | grep -c 'picture larger than its place.*THESA0[0-9][0-9]\.bmp')"
peak_kb=$(wizard_peak_kb) || check_fail "the wizard's process was not found"
echo "peak memory: $((${peak_kb:-0} / 1024)) MB"
check_equals "the peak memory stays below 200 MB" yes "$([ "${peak_kb:-999999}" -lt 204800 ] && echo yes)"
probe dialog-ok >/dev/null
checks_done
