#!/usr/bin/env bash
# A hidden waited-for component that does not end within the bound (shortened
# to 6 s through TAVRIK_CHILD_WAIT_SECONDS): the window answers while it
# runs, then page 6 names it in red, nothing more starts, and F1 ends the run
# while the component goes on (it ends by itself later).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

install_setup
decision_machine first-installation
line='D:\COMPST\compmark.exe /name=stuck /stay=40000'
printf '%s\n' NB=1 '1=compmark.exe /name=stuck /stay=40000' 1_FORCEE=TRUE 1_INVISIBLE=TRUE |
    install_set_components

export TAVRIK_CHILD_WAIT_SECONDS=6
wizard_start
decision_confirm_language
install_reach_work first-installation

page_is_work() { [ "$(probe page 2>/dev/null | cut -d' ' -f1)" = 6 ]; }
check_line_within 10 "the hidden component is waited for" 'TimerMAJComposantTimer' install_trace
check_within 3 "the window answers while the component runs" page_is_work
check_line_within 30 "the component that has not ended is traced" \
    "programme non termine apres 6 s : $line" install_trace
install_wait_validate 10 "page 6 never offered its way out"
wizard_screenshot install-child-never-ends
# The probe shows a backslash doubled.
names_program() { probe text Texte_Page_MAJEnCours 2>/dev/null | grep -qF "${line//\\/\\\\}"; }
check_within 5 "page 6 names the program that has not ended" names_program
check_equals "nothing more starts beside it" "" "$(install_trace | grep -F LancementIS)"
probe key F1 >/dev/null
check_equals "F1 ends the run" 0 "$(wizard_wait_end 30)"
checks_done
