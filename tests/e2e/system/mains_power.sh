#!/usr/bin/env bash
# The mains check with a simulated power supply: an update on battery stops
# at page 11, whose validate does nothing while the PC stays on battery;
# once it reports mains power, validate starts the work, which updates the
# installation to its end. The wizard asks for the power status exactly at
# the decision and at each validate of page 11.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../install/install.sh"
. "$here/../lib/power.sh"

install_setup
decision_machine installed 5.1.0
power_simulate
machine_snapshot before
wizard_start
decision_confirm_language
power_answer battery "the decision asks for the power status"
decision_expect_page 11 "on battery the mains check comes before the work"
check_equals "the mains check's text" \
    "$(wizard_phrase 17877 period)\\n\\n$(wizard_phrase 126842 period)\\n\\n$(wizard_phrase 93411 period)" \
    "$(probe text LabelPageControleSecteur)"
wizard_screenshot mains-check-on-battery

probe key ENTER >/dev/null
power_answer battery "validate on page 11 asks again"
# The probe's question waits for the handler of that validate to return.
check_equals "still on battery, validate keeps page 11" 11 "$(probe page | cut -d' ' -f1)"
probe key ENTER >/dev/null
power_answer mains "validate on page 11 asks once more, now on mains"
decision_expect_page 6 "on mains, validate starts the work"
install_wait_validate
check_equals "the update succeeds" "$(wizard_phrase 116390 period)" \
    "$(probe_settled text Texte_Page_MAJEnCours | sed 's/\\n.*//')"
probe key ENTER >/dev/null
check_equals "Enter ends the run with code 0" 0 "$(wizard_wait_end 30)"
check_equals "the run's trace from the decision on" \
    "$(printf '%s\n' 'pathInstall non Empty()' 'version differente' touche_ConfMAJ_yesClick \
        'versionCD=5.2.0' 'versionHD=5.1.0' 'version OK' 'Nieme installation' 'Non Independant' \
        OnPageInstallEnCours TimerMAJComposantTimer LancementIS 'RG_VolInstall mis a jour' C: \
        'RL_path_CD=D:\' 'EXE=setup.exe -s -f1D:\install.iss -f2C:\setup.log' \
        'IS == 0 || IS.IsEmpty()' FinInstall "c'etait une installation")" \
    "$(wizard_trace | awk '/^pathInstall/ { on = 1 } on { print }')"
check_line "the medium's version is installed" "$(tr -d '\r' <"$(install_tree)/applic.ini")" "VSOFT=5.2.0"

machine_snapshot after
mapfile -t expected < <(install_road_changes update)
machine_compare before after "${expected[@]}"
checks_done
