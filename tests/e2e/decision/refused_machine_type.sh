#!/usr/bin/env bash
# A PC of the refused machine type (the marker key SOFTWARE\VORP) with an
# older version installed: the medium's version is accepted, yet the run
# ends on page 2 with the message of a refused version, and Enter ends the
# program. Nothing is installed: the run leaves its trace, Install reset and
# the medium's place.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"
. "$here/decision.sh"

decision_setup
decision_machine installed 5.1.0
decision_machine refused-type
machine_snapshot before
wizard_start
decision_confirm_language

decision_expect_page 2 "the machine type is refused"
check_equals "the decision's trace" "$(decision_expected_trace refused_machine_type)" \
    "$(decision_trace)"
check_equals "the message of a refused version" \
    "$(wizard_phrase 122392) :\\n\\n$(wizard_phrase 46846 period)\\n\\n$(wizard_phrase 122391 period)" \
    "$(probe text Label_BadVersion)"
wizard_screenshot decision-refused-machine-type

probe key ENTER >/dev/null
check_equals "Enter ends the program with code 0" 0 "$(wizard_wait_end 20)"
check_equals "the page's show is the last trace line" OnPageErreurVersion "$(wizard_trace | tail -n 1)"
machine_snapshot after
machine_compare before after +file:TraceTavrik.log \
    "+reg:$decision_product_key\\Install" "+reg:$decision_product_key\\CD"
checks_done
