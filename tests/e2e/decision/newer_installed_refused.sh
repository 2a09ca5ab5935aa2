#!/usr/bin/env bash
# The installed version is newer than the medium's: the run is refused on
# page 2 and Enter ends the program, leaving the installation as it was.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"
. "$here/decision.sh"

decision_setup
decision_machine installed 5.3.0
machine_snapshot before
wizard_start
decision_confirm_language

decision_expect_page 2 "a downgrade is refused"
check_equals "the decision's trace" "$(decision_expected_trace newer_installed_refused)" \
    "$(decision_trace)"
check_equals "the medium's place is recorded even so" 'D:\' \
    "$(tavrik_wine_reg_value "$decision_product_key" CD)"
message=$(probe text Label_BadVersion)
check_equals "the message has its three phrases" 3 \
    "$(printf '%s' "$message" | sed 's/\\n\\n/\n/g' | grep -c .)"
wizard_screenshot decision-version-error

probe key ENTER >/dev/null
check_equals "Enter ends the program with code 0" "0" "$(wizard_wait_end 20)"
check_equals "the page's show is the last trace line" "OnPageErreurVersion" \
    "$(wizard_trace | tail -n 1)"
machine_snapshot after
machine_compare before after +file:TraceTavrik.log \
    "+reg:$decision_product_key\\Install" "+reg:$decision_product_key\\CD"
checks_done
