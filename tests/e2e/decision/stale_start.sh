#!/usr/bin/env bash
# A start that is not the run after a restart, on a PC with a newer version
# installed, meets every check and is refused on page 2:
#   stale_start.sh shortcut    a shortcut "C:\Tavrik.lnk" left by an earlier
#                              run (-reboot), without a resume record; the
#                              run removes it
#   stale_start.sh ARGUMENT    tavrik.exe ARGUMENT ("/?", "anything")
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"
. "$here/decision.sh"

start=${1:?usage: stale_start.sh shortcut | ARGUMENT}
witness="$TAVRIK_WIN64_DIR/tests/e2e/system/restartwitness.exe"
[ -f "$witness" ] || tavrik_wine_fail "the win64 restartwitness.exe is missing"

decision_setup
shortcut="$WINEPREFIX/drive_c/Tavrik.lnk"
trap 'decision_cleanup; rm -f "$shortcut"' EXIT
decision_machine installed 5.3.0
expected_changes=(+file:TraceTavrik.log "+reg:$decision_product_key\\Install" "+reg:$decision_product_key\\CD")
if [ "$start" = shortcut ]; then
    tavrik_wine_run 30 "$witness" make 'C:\Tavrik.lnk' 'D:\tavrik.exe' 'D:\' -reboot >/dev/null 2>&1 ||
        tavrik_wine_fail "the stale shortcut could not be made"
    why="Lancement ordinaire : -reboot sans enregistrement de reprise"
    expected_changes+=(-file:Tavrik.lnk)
else
    why="Lancement ordinaire : argument non reconnu"
fi
machine_snapshot before

if [ "$start" = shortcut ]; then
    wizard_start_link 'C:\Tavrik.lnk'
else
    wizard_start "$start"
fi
decision_confirm_language
decision_expect_page 2 "the newer installed version is refused"
check_equals "the trace says which road and why" "$why" "$(wizard_trace | head -n 1)"
check_equals "the decision's trace" "$(decision_expected_trace newer_installed_refused)" \
    "$(decision_trace)"
probe key ENTER >/dev/null
check_equals "Enter ends the program with code 0" "0" "$(wizard_wait_end 20)"
machine_snapshot after
machine_compare before after "${expected_changes[@]}"
checks_done
