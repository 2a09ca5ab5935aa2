#!/usr/bin/env bash
# An independent first installation reaches the licence page after the
# volume; the agreement is cluf_FR.txt for French and cluf_GB.txt for any
# other language; acceptance leads to the work page without a mains check.
#
# usage: licence.sh LANGUAGE_CODE LICENCE_FILE   (e.g. FR cluf_FR.txt, DE cluf_GB.txt)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/../lib/checks.sh"
. "$here/../lib/wizard.sh"
. "$here/decision.sh"

[ $# -eq 2 ] || tavrik_wine_fail "usage: licence.sh LANGUAGE_CODE LICENCE_FILE"
language=$1
licence=$2

decision_setup
decision_machine first-installation
decision_independent TRUE
decision_only_language "$language"
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

probe key ENTER >/dev/null
sleep 1
check_equals "validate without a choice does nothing" "8" "$(probe page | cut -d' ' -f1)"
probe click Label2 >/dev/null
probe click Label1 >/dev/null
sleep 0.5
check_line "acceptance is marked" "$(probe state RadioButtonCLUFOui)" "checked=1"
check_line "refusal is cleared" "$(probe state RadioButtonCLUFNon)" "checked=0"
probe key ENTER >/dev/null
decision_expect_page 6 "acceptance starts the work, whatever the power"
check_equals "PathInstall was recorded" "C:" "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)"
checks_done
