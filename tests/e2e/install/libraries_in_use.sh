#!/usr/bin/env bash
# A library of the installed application held open by a running program:
# page 6 stops before anything is installed, shows its red notice and
# ignores F1; Enter offers the restart page, whose F1 ends the program
# without writing anything. The library stays whole and in place beside
# the library test's copy, and the machine keeps all it had.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../medium/outside.sh"
. "$here/install.sh"

install_setup
decision_machine installed 5.2.0
install_put_tree
library="$(install_tree)/EXE/brendolx.dll"
cp "$library" "$PWD/brendolx.dll.before"

outside_work="$(install_c)/tavrik-holder"
mkdir -p "$outside_work"
cp "$TAVRIK_WIN64_DIR/tests/e2e/medium/holdlib.exe" "$outside_work/"
release() {
    outside_release
    rm -rf "$outside_work"
    install_cleanup
}
trap release EXIT
outside_hold 'C:\APP\BRENDOL\EXE\brendolx.dll'

machine_snapshot before
wizard_start
decision_confirm_language
install_reach_work reinstallation
install_wait_validate 30 "the notice never offered its validate button"
wizard_screenshot install-libraries-in-use
text=$(probe_settled text Texte_Page_MAJEnCours)
check_equals "the libraries-in-use notice" "$(wizard_phrase 126843 period)" "${text%%\\n*}"
wizard_check_red "in red" Texte_Page_MAJEnCours
check_equals "the trace stops at the page, naming the held library" \
    "$(printf '%s\n' OnPageInstallEnCours 'test DLL : C:\APP\BRENDOL\EXE\brendolx.dll : en cours d'"'"'utilisation')" \
    "$(install_trace)"

probe key F1 >/dev/null
check_equals "F1 does not end the program" running "$(wizard_wait_end 2)"
probe key ENTER >/dev/null
decision_expect_page 10 "Enter offers the restart"
wizard_screenshot install-restart-page
probe key F1 >/dev/null
check_equals "F1 there ends the program with code 0" 0 "$(wizard_wait_end 20)"
check_equals "no restart shortcut is written" no "$([ -e "$(install_c)/Tavrik.lnk" ] && echo yes || echo no)"
check_equals "no run-once entry either" "" \
    "$(tavrik_wine_reg_value 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\RunOnce' Install)"
check_equals "no setup ran" no "$([ -e "$(install_c)/setup.log" ] && echo yes || echo no)"
check_equals "Install stays cleared" 0 "$(tavrik_wine_reg_value "$decision_product_key" Install)"
check_status "the held library is whole and in place" 0 cmp "$PWD/brendolx.dll.before" "$library"
machine_snapshot after
# The library test's copy stays beside the library it could not replace.
machine_compare before after +file:TraceTavrik.log +file:app/BRENDOL/EXE/brendolx.dll.cop \
    "+reg:$decision_product_key\\Install" "+reg:$decision_product_key\\CD"
checks_done
