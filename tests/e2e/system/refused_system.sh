#!/usr/bin/env bash
# On a system other than Windows 2000 or XP (Wine's own default version)
# page 7 shows the refusal in red without the exit button, and Enter ends
# the program, which leaves its trace and Install reset alone.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"
. "$here/../decision/decision.sh"

restore_xp() {
    decision_cleanup
    "$TAVRIK_WINE" reg add 'HKCU\Software\Wine' /v Version /d winxp /f >/dev/null 2>&1
}
decision_setup
trap restore_xp EXIT
"$TAVRIK_WINE" reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1

machine_snapshot before
wizard_start
check_equals "page 7" "7 PageRecommendation" "$(probe page)"
check_equals "the refusal is traced first" "$(printf 'Systeme non valide\nRecommendation')" \
    "$(wizard_trace)"
refusal=$(wizard_phrase 122392)
check_equals "the refusal text" "$refusal :" \
    "$(probe text Label_PageRecom | sed 's/\\n.*//')"
wizard_check_red "in red" Label_PageRecom
check_line "no exit button" "$(probe state SpeedButtonSortie_PageRecom)" "visible=0"
wizard_screenshot page7-refused-system
probe key ENTER >/dev/null
check_equals "Enter ends the program" 0 "$(wizard_wait_end 20)"
machine_snapshot after
machine_compare before after +file:TraceTavrik.log "${decision_new_key[@]}" \
    "+reg:$decision_product_key\\Install"
checks_done
