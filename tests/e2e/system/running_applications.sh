#!/usr/bin/env bash
# The check of the suite's running programs with real processes: page 7
# leads to page 9 while a watched program runs, page 9 lists exactly what
# runs and lets the wizard go on only once everything has ended. None of
# these runs writes more than its trace and Install reset.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"
. "$here/../decision/decision.sh"
. "$here/suite.sh"

product_key='HKLM\SOFTWARE\NORVA\BRENDOL_PC'
clean_machine() {
    suite_stop_all
    suite_service_stopped
    "$TAVRIK_WINE" reg delete "$product_key" /f >/dev/null 2>&1
    "$TAVRIK_WINE" reg delete 'HKLM\SOFTWARE\NORVA' /v Platform /f >/dev/null 2>&1
}
finish() {
    wizard_cleanup
    clean_machine
}

wizard_setup
trap finish EXIT
clean_machine

# The programs page 9 lists, one a line, without its two phrases.
listed() {
    probe_settled text TextePageArretAppli | sed 's/\\n/\n/g' | awk 'NR == 1 { next } /^$/ { exit } { print }'
}
# From page 7 by Enter; prints the page reached.
validate_recommendations() {
    probe key ENTER >/dev/null
    for _ in $(seq 100); do
        case "$(probe page)" in 4\ * | 9\ *) break ;; esac
        sleep 0.1
    done
    probe_settled page
}
end_wizard() {
    probe key F1 >/dev/null
    check_equals "$1: F1 ends the wizard" 0 "$(wizard_wait_end 20)"
}

echo "--- nothing running"
machine_snapshot before
wizard_start
check_line "the normal start reads as a list" "$(probe text Label_PageRecom | sed 's/\\n/\n/g')" \
    "- $(wizard_phrase 126840)"
wizard_screenshot page7-normal-start
check_equals "straight to the languages" "4 Page_Choix_langue" "$(validate_recommendations)"
end_wizard "nothing running"

echo "--- the measuring program runs"
suite_start QXM
wizard_start
check_equals "page 9 first" "9 PageArretAppli" "$(validate_recommendations)"
check_equals "it is listed" "Solvane Measure" "$(listed)"
probe key ENTER >/dev/null
wizard_check_stays "Enter does nothing on page 9" 9
probe click SpeedButtonPageArretAppli >/dev/null
wizard_check_stays "validate keeps the page while it runs" 9
check_equals "and still lists it" "Solvane Measure" "$(listed)"
suite_stop QXM
probe click SpeedButtonPageArretAppli >/dev/null
check_status "once it has ended, validate leads on" 0 probe wait-page 4 10000
check_line "the page was traced" "$(wizard_trace)" "PageArretAppliShow"
end_wizard "after page 9"

echo "--- two programs, listed in their fixed order"
suite_start webnav
suite_start QXM
wizard_start
validate_recommendations >/dev/null
check_equals "measure, then office" "$(printf 'Solvane Measure\nSolvane Office')" "$(listed)"
wizard_screenshot page9-two-applications
end_wizard "two programs"

echo "--- on an ELNA platform the browser does not count"
"$TAVRIK_WINE" reg add 'HKLM\SOFTWARE\NORVA' /v Platform /d ELNA /f >/dev/null 2>&1
wizard_start
validate_recommendations >/dev/null
check_equals "only measure" "Solvane Measure" "$(listed)"
end_wizard "ELNA"
suite_stop QXM
wizard_start
check_equals "the browser alone holds nothing back" "4 Page_Choix_langue" "$(validate_recommendations)"
end_wizard "ELNA browser"
suite_stop webnav
"$TAVRIK_WINE" reg delete 'HKLM\SOFTWARE\NORVA' /v Platform /f >/dev/null 2>&1

echo "--- the 16-bit program, the service and the third program"
suite_start ntvdm --window "Atelier DREMOX 2000 - poste 3"
suite_start lumio32
suite_service_running
wizard_start
validate_recommendations >/dev/null
third=$(wizard_phrase 122270)
check_equals "16-bit program, third program, service" \
    "$(printf 'Solvane 2000\n%s\nSolvane Diagnostic' "$third")" "$(listed)"
end_wizard "three more"

echo "--- APP_Running switches the check off"
"$TAVRIK_WINE" reg add "$product_key\\APP_Running" /f >/dev/null 2>&1
wizard_start
check_equals "the languages despite running programs" "4 Page_Choix_langue" \
    "$(validate_recommendations)"
end_wizard "APP_Running"

machine_snapshot after
# Besides the runs' trace and Install, the scenario's own: its switch of the
# check, the service's marker and the stand-in programs' folder.
machine_compare before after +file:TraceTavrik.log "${decision_new_key[@]}" "+reg:$product_key\\Install" \
    "+reg:$product_key\\APP_Running\\*" +file:app/qxdiag/running.flag '?file:e2e-suite/*'
checks_done
