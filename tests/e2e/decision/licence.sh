#!/usr/bin/env bash
# An independent first installation reaches the licence page after the
# volume; the agreement is cluf_FR.txt for French and cluf_GB.txt for any
# other language. Acceptance leads to the work page without a mains check
# and installs; refusal ends the program, leaving the volume recorded but
# nothing installed.
#
# usage: licence.sh LANGUAGE_CODE LICENCE_FILE accept|refuse
#        (e.g. FR cluf_FR.txt accept, DE cluf_GB.txt refuse)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../install/install.sh"

[ $# -eq 3 ] || tavrik_wine_fail "usage: licence.sh LANGUAGE_CODE LICENCE_FILE accept|refuse"
language=$1
licence=$2
choice=$3

install_setup
decision_machine first-installation
decision_independent TRUE
decision_only_language "$language"
machine_snapshot before
wizard_start
decision_confirm_language
check_line "the chosen language" "$(wizard_trace)" "dico= D:\\BRENDOL\\DICO\\THESAU$language.bmp"

decision_expect_page 1 "a first installation asks for the volume"
probe key ENTER >/dev/null
decision_expect_page 8 "an independent installation shows the licence"
check_equals "the volume page adds no trace of its own" \
    "$(printf '%s\n' On_PageInstall PageClufShow)" \
    "$(wizard_trace | awk '/^On_PageInstall$/ { on = 1 } on { print }' | head -n 2)"
check_equals "the independent title" "Installation de Solvane Interface" "$(probe text Label_HC_CLUF)"

# The agreement as the probe prints it: UTF-8, one line, breaks as \n.
expected=$(iconv -f CP1252 -t UTF-8 "$(wizard_medium_file "$licence")" | tr -d '\r')
agreement=$(probe text Memo1)
check_equals "the agreement's first line comes from $licence" "$(printf '%s\n' "$expected" | head -n 1)" \
    "${agreement%%\\n*}"
last_line=$(printf '%s\n' "$expected" | grep . | tail -n 1)
case "$agreement" in
    *"$last_line"*) check_pass "the whole of $licence is shown" ;;
    *) check_fail "the agreement lacks the last line of $licence: [$last_line]" ;;
esac
wizard_screenshot "decision-licence-$language"

# Each click is posted after the key before it: once its mark shows, the
# key has been handled.
probe key ENTER >/dev/null
probe click Label2 >/dev/null
check_line_within 10 "refusal is marked" checked=1 probe state RadioButtonCLUFNon
check_equals "validate without a choice did nothing" "8" "$(probe page | cut -d' ' -f1)"
if [ "$choice" = refuse ]; then
    probe key ENTER >/dev/null
    check_equals "validate on refusal ends the program with code 0" 0 "$(wizard_wait_end 20)"
    check_equals "the trace from the decision on" \
        "$(printf '%s\n' 'pathInstall.IsEmpty()' touche_ConfMAJ_yesClick 'versionCD=5.2.0' \
            'versionHD=' 'version OK' '1ere installation' On_PageInstall PageClufShow)" \
        "$(wizard_trace | awk '/^pathInstall/ { on = 1 } on { print }')"
    machine_snapshot after
    machine_compare before after +file:TraceTavrik.log "${decision_new_key[@]}" \
        "+reg:$decision_product_key\\Install" "+reg:$decision_product_key\\CD" \
        "+reg:$decision_product_key\\PathInstall"
    checks_done
    exit
fi
probe click Label1 >/dev/null
check_line_within 10 "acceptance is marked" checked=1 probe state RadioButtonCLUFOui
check_line_within 10 "refusal is cleared" "checked=0" probe state RadioButtonCLUFNon
probe key ENTER >/dev/null
decision_expect_page 6 "acceptance starts the work, whatever the power"
check_equals "PathInstall was recorded" "C:" "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)"
install_wait_validate
install_wait_components first-installation
probe key ENTER >/dev/null
check_equals "Enter ends the installation with code 0" 0 "$(wizard_wait_end 30)"
check_equals "the installation's language" "$language" "$(tavrik_wine_reg_value "$decision_product_key" Langue)"
machine_snapshot after
mapfile -t expected < <(install_road_changes first-installation)
machine_compare before after "${expected[@]}"
checks_done
