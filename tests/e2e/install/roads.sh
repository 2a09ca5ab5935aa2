#!/usr/bin/env bash
# One road of the wizard through the work on page 6, by keys, with the demo
# medium's setup simulator, components and update script:
#   roads.sh first-installation | update | reinstallation | removal
# Checks the trace from page 6 on, the product key, the installed tree, the
# components that ran, the end of the run, and that the machine changed only
# where the road says.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

road=${1:?usage: roads.sh first-installation | update | reinstallation | removal}
install_setup
case "$road" in
    first-installation) decision_machine first-installation ;;
    update) decision_machine installed 5.1.0 ;;
    reinstallation | removal) decision_machine installed 5.2.0 ;;
    *) tavrik_wine_fail "unknown road $road" ;;
esac
machine_snapshot before
wizard_start
decision_confirm_language
install_reach_work "$road"

install_wait_validate
wizard_screenshot "install-$road-outcome"
removal=0
[ "$road" = removal ] && removal=1
if [ "$removal" = 1 ]; then
    setup_line='EXE=setup.exe -s -f1D:\desinst.iss -f2C:\setup.log'
    success=116406
else
    setup_line='EXE=setup.exe -s -f1D:\install.iss -f2C:\setup.log'
    success=116390
fi
text=$(probe_settled text Texte_Page_MAJEnCours)
check_equals "the success text" "$(wizard_phrase "$success" period)" "${text%%\\n*}"
check_line "the progress bar followed the setup's steps" \
    "$(probe state ProgressBar1 | sed -n 's/^position=//p' | awk '{ print ($1 > 1) ? "advanced" : "still" }')" \
    advanced

install_wait_components "$road"
if [ "$removal" = 1 ]; then
    check_equals "a removal runs no component" "" "$(cat "$(install_components_log)" 2>/dev/null)"
else
    components=$(tr -d '\r' <"$(install_components_log)" 2>/dev/null)
    check_equals "the forced component ran" 1 "$(printf '%s\n' "$components" | grep -c 'name=runtime')"
    viewer=$(printf '%s\n' "$components" | grep -c 'name=viewer')
    if [ "$road" = first-installation ]; then
        check_equals "the first-installation component ran" 1 "$viewer"
    else
        check_equals "the first-installation component did not run" 0 "$viewer"
    fi
    check_equals "the update script ran after the blocking component, and answered 2" \
        "$(printf '%s\n' runtime 'updateqxd 2')" \
        "$(printf '%s\n' "$components" | grep -v 'name=viewer' | sed 's/.*name=runtime.*/runtime/')"
fi

probe key ENTER >/dev/null
check_equals "Enter ends the run with code 0" 0 "$(wizard_wait_end 30)"
# The whole trace of page 6, line by line.
timer_line=TimerMAJComposantTimer
ending="c'etait une installation"
if [ "$removal" = 1 ]; then
    timer_line=""
    ending="c'etait une desinstallation"
fi
check_equals "the trace of the work" \
    "$(printf '%s\n' OnPageInstallEnCours $timer_line LancementIS 'RG_VolInstall mis a jour' C: \
        'RL_path_CD=D:\' "$setup_line" 'IS == 0 || IS.IsEmpty()' FinInstall "$ending")" \
    "$(install_trace)"
if [ "$removal" = 1 ]; then
    check_status "no product key is left" 1 tavrik_wine_reg_key_exists "$decision_product_key"
    check_equals "no application tree is left" no "$([ -e "$(install_tree)" ] && echo yes || echo no)"
else
    check_equals "Install is cleared" 0 "$(tavrik_wine_reg_value "$decision_product_key" Install)"
    check_equals "PathInstall" C: "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)"
    check_equals "the medium's place" 'D:\' "$(tavrik_wine_reg_value "$decision_product_key" CD)"
    check_equals "the installed program" 'C:\APP\BRENDOL\EXE\brendol.exe' \
        "$(tavrik_wine_reg_value "$decision_product_key" EXE)"
    check_equals "the run's language" GB "$(tavrik_wine_reg_value "$decision_product_key" Langue)"
    check_bytes "DICO.TXT names the run's dictionary in 17 bytes" "$(install_tree)/EXE/DICO.TXT" \
        "Dico=THESAUGB.DBZ"
    check_equals "the program is installed" yes "$([ -f "$(install_tree)/EXE/brendol.exe" ] && echo yes)"
    check_line "with the medium's version" "$(tr -d '\r' <"$(install_tree)/applic.ini")" "VSOFT=5.2.0"
fi

machine_snapshot after
mapfile -t expected < <(install_road_changes "$road")
machine_compare before after "${expected[@]}"
checks_done
