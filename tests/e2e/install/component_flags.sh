#!/usr/bin/env bash
# A first installation from a medium whose components use every switch of
# ap.ini: forced and hidden, first installations only with a language
# variant and not waited for, forced in lower case (so not forced), forced
# but missing from the medium (a start failure, traced, and the run goes
# on), forced with a language list that lacks the run's language and
# explicitly waited for. Each component records its command line, current
# directory, hidden or shown, and the program that really ran.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

install_setup
decision_machine first-installation
install_set_components <<'SECTION'
NB=5
1=compmark.exe /name=forced
1_FORCEE=TRUE
1_INVISIBLE=TRUE
2=compmark.exe /name=first /stay=3000
2_FIRST_INSTALL=TRUE
2_LANGUES=FR;GB
2_BLOQUANT=FALSE
3=compmark.exe /name=lowercase
3_FORCEE=true
4=absent.exe /name=absent
4_FORCEE=TRUE
4_INVISIBLE=TRUE
5=compmark.exe /name=shown
5_FORCEE=TRUE
5_LANGUES=DE;IT
5_BLOQUANT=TRUE
SECTION

machine_snapshot before
wizard_start
decision_confirm_language
install_reach_work first-installation
# The start failure's notice offers validate for a moment, until the setup
# starts: wait for the setup's outcome.
check_line_within 60 "the setup ends and its outcome is judged" 'IS == 0 || IS.IsEmpty()' install_trace
install_wait_validate
wizard_screenshot install-component-flags-outcome
check_equals "the installation succeeds all the same" "$(wizard_phrase 116390 period)" \
    "$(probe_settled text Texte_Page_MAJEnCours | sed 's/\\n.*//')"

record() { tr -d '\r' <"$(install_components_log)" 2>/dev/null; }
# The first-installation component is not waited for: its line comes when
# it ends, 3 s after its start, after the components started later.
check_line_within 10 "the component that is not waited for ends and records" \
    $'D:\\COMPST\\GB\\compmark.exe /name=first /stay=3000\tD:\\COMPST\\GB\tshown\tD:\\COMPST\\GB\\compmark.exe' \
    record
check_equals "the wizard went on without waiting for it" "shown first" \
    "$(record | grep -oE '/name=(shown|first)' | cut -d= -f2 | paste -sd ' ')"
check_equals "the waited-for components in their order, then the update script" \
    "$(printf '%s\n' \
        $'D:\\COMPST\\compmark.exe /name=forced\tD:\\COMPST\thidden\tD:\\COMPST\\compmark.exe' \
        $'D:\\COMPST\\compmark.exe /name=shown\tD:\\COMPST\tshown\tD:\\COMPST\\compmark.exe' \
        'updateqxd 2')" \
    "$(record | grep -v '/name=first')"

probe key ENTER >/dev/null
check_equals "Enter ends the run with code 0" 0 "$(wizard_wait_end 30)"
check_equals "the start failure is traced and the run goes on to the setup" \
    "$(printf '%s\n' OnPageInstallEnCours TimerMAJComposantTimer \
        'composant non lance : D:\COMPST\absent.exe /name=absent' LancementIS \
        'RG_VolInstall mis a jour' C: 'RL_path_CD=D:\' 'EXE=setup.exe -s -f1D:\install.iss -f2C:\setup.log' \
        'IS == 0 || IS.IsEmpty()' FinInstall "c'etait une installation")" \
    "$(install_trace)"
machine_snapshot after
mapfile -t expected < <(install_road_changes first-installation)
machine_compare before after "${expected[@]}"
checks_done
