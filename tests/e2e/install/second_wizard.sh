#!/usr/bin/env bash
# A second wizard started while the first one's setup runs ends at once with
# code 3 once its box is closed: it starts no setup of its own, adds one line
# to the first one's trace and leaves its product key alone; the first run
# goes on to its end.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

install_on_installed_pc
# A setup slow enough to be caught running.
wizard_medium_ini install.iss Faults HangSeconds 15

wizard_start
decision_confirm_language
install_reach_work reinstallation
wait_until 30 grep -q '^EXE=setup.exe' "$(install_c)/TraceTavrik.log" ||
    check_fail "the first wizard never started its setup"
before=$(wizard_trace)

second_status="$PWD/second-wizard.status"
(
    status=0
    cd "$wizard_medium" && tavrik_wine_run 60 "$wizard_medium/tavrik.exe" || status=$?
    echo "$status" >"$second_status"
) &
# It opens no window of its own: a box says why, until the technician closes it.
check_line_within 30 "the second wizard's box says that a wizard runs" \
    "text=$(wizard_phrase 126846)" probe other-dialog
check_has_line "the box bears the wizard's name" "title=Tavrik" "$polled"
probe other-dialog-ok >/dev/null || check_fail "the second wizard's box could not be closed"
wait_until 30 test -f "$second_status" || check_fail "the second wizard did not end after its box"
check_equals "the second wizard ends with code 3" 3 "$(cat "$second_status")"
check_equals "its one line follows the first one's trace" \
    "$(printf '%s\n' "$before" "Tavrik deja lance : ce lancement s'arrete")" "$(wizard_trace)"
check_equals "the first run's setup is still under way" 1 \
    "$(tavrik_wine_reg_value "$decision_product_key" Install)"

install_wait_validate 90 "the first wizard never showed its outcome"
text=$(probe_settled text Texte_Page_MAJEnCours)
check_equals "the first run succeeds" "$(wizard_phrase 116390 period)" "${text%%\\n*}"
check_equals "one setup ran: one trace of its start" 1 "$(grep -c '^EXE=setup.exe' "$(install_c)/TraceTavrik.log")"
probe key ENTER >/dev/null
check_equals "the first wizard ends with code 0" 0 "$(wizard_wait_end 30)"
checks_done
