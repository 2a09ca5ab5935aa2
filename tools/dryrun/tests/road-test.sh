#!/usr/bin/env bash
# Runs tavrik-dryrun on a described PC and checks its road: the pages in
# order, the decision's trace lines (the file the Wine scenario of the same
# machine reads) and the last line.
#
# usage: road-test.sh DRYRUN MEDIUM PC.reg "PAGES" DECISION.trace "LAST LINE" [OPTION...]
set -uo pipefail
[ $# -ge 6 ] || { echo "usage: road-test.sh DRYRUN MEDIUM PC.reg PAGES DECISION.trace LAST [OPTION...]" >&2; exit 2; }
dryrun=$1 medium=$2 machine=$3 pages=$4 decision=$5 last=$6
shift 6

failures=0
check() {  # what expected actual
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        printf 'FAIL: %s\n--- expected\n%s\n--- actual\n%s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

road=$("$dryrun" "$medium" --machine "$machine" "$@" 2>/dev/null)
check "the dry run succeeds" 0 "$?"
printf '%s\n' "$road"

check "the pages in order" "$pages" "$(printf '%s\n' "$road" | sed -n 's/^page \([0-9]*\).*/\1/p' | paste -sd' ')"
# From the decision's first line up to the show handler of the page it
# leads to; page 3's own handler may come between.
actual_decision=$(printf '%s\n' "$road" | sed -n 's/^trace: //p' | awk '
    /^pathInstall/ { on = 1 }
    on && /^On_PageConfirmationMAJ$/ { next }
    on && /^(On_PageInstall|OnPageErreurVersion|PageClufShow|OnPageInstallEnCours)$/ { exit }
    on { print }')
check "the decision's trace lines" "$(cat "$decision")" "$actual_decision"
# Before the decision every road of the demo medium on an English system
# writes the same lines, as the real program's trace log under Wine shows.
check "the trace lines before the decision" \
    "$(printf '%s\n' Recommendation On_Page_Choix_LG OnPage_conf_LG 'dico= D:\BRENDOL\DICO\THESAUGB.bmp')" \
    "$(printf '%s\n' "$road" | sed -n 's/^trace: //p' | sed '/^pathInstall/,$d')"
check "the last line" "$last" "$(printf '%s\n' "$road" | tail -n 1)"
[ "$failures" -eq 0 ]
