#!/usr/bin/env bash
# A packaged setup that fails or crashes, on an installation or a removal:
#   setup_fault.sh fail|crash reinstallation|removal
# The page shows the failure in red, the suite's shortcuts leave the
# all-users profile, and the product key stays for the next run; the
# installed tree keeps all it had.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

fault=${1:?usage: setup_fault.sh fail|crash reinstallation|removal}
road=${2:?usage: setup_fault.sh fail|crash reinstallation|removal}
install_setup
decision_machine installed 5.2.0
install_put_tree
install_put_shortcut
response=install.iss
failure=116391
ending="c'etait une installation"
if [ "$road" = removal ]; then
    response=desinst.iss
    failure=116407
    ending="c'etait une desinstallation"
fi
wizard_medium_ini "$response" Faults Outcome "$fault"

machine_snapshot before
wizard_start
decision_confirm_language
install_reach_work "$road"
install_wait_validate
wizard_screenshot "install-$fault-$road"
text=$(probe_settled text Texte_Page_MAJEnCours)
check_equals "the failure text" "$(wizard_phrase "$failure" period)" "${text%%\\n*}"
wizard_check_red "the text is red" Texte_Page_MAJEnCours
check_equals "the suite's shortcut is removed" no "$([ -e "$(install_shortcut)" ] && echo yes || echo no)"
check_line "the outcome is judged by Install" "$(install_trace)" 'IS!=0 et IS non vide'

probe key ENTER >/dev/null
check_equals "Enter ends the run with code 0" 0 "$(wizard_wait_end 30)"
expected=(FinInstall "$ending")
[ "$road" = removal ] && expected+=("desinstallation non aboutie, cle conservee")
check_equals "the end of the run" "$(printf '%s\n' "${expected[@]}")" \
    "$(install_trace | tail -n "${#expected[@]}")"
check_equals "the product key keeps PathInstall" C: \
    "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)"
check_equals "and the medium's place" 'D:\' "$(tavrik_wine_reg_value "$decision_product_key" CD)"
check_equals "no setup is under way" 0 "$(tavrik_wine_reg_value "$decision_product_key" Install)"
check_equals "the installed application is still there" yes \
    "$([ -f "$(install_tree)/applic.ini" ] && echo yes || echo no)"
machine_snapshot after
mapfile -t expected < <(install_work_changes "$road"; install_key_changes written)
machine_compare before after "${expected[@]}" \
    '+file:app/BRENDOL/EXE/DICO.TXT' "-file:${install_shortcut_path}"
checks_done
