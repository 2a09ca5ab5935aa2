#!/usr/bin/env bash
# Excluded workstations: a portable PC (TYPEPOSTE=PORTABLE), a fixed station
# (TYPEPOSTE=FIXE) and the site server (the flag file that the medium's
# tavrik.ini names). Page 7 shows the warning in red, with validate and
# without the exit button; validate ends the run, which leaves nothing but
# its trace and Install reset in a new product key.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"
. "$here/../decision/decision.sh"

decision_setup
server_flag="$WINEPREFIX/drive_c/RVS/serveur.flg"
trap 'rm -rf "$(dirname "$server_flag")"; decision_cleanup' EXIT
warning="$(wizard_phrase 126057)\\n$(wizard_phrase 126058)\\n\\n$(wizard_phrase 122391)"
server_warning="$(wizard_phrase 126057)\\n\\n$(wizard_phrase 122391)"

# excluded NAME WARNING: one run on the workstation that the caller's
# environment or flag file makes.
excluded() {
    local name=$1
    echo "--- $name"
    # The run before left the same trace as this one writes.
    decision_machine clean
    rm -f "$WINEPREFIX/drive_c/TraceTavrik.log"
    machine_snapshot "before-$name"
    wizard_start
    check_equals "$name: page 7" "7 PageRecommendation" "$(probe page)"
    check_equals "$name: the warning" "$2" "$(probe_settled text Label_PageRecom)"
    wizard_check_red "$name: in red" Label_PageRecom
    check_line "$name: validate is offered" "$(probe state SpeedButtonValide_PageRecom)" "visible=1"
    check_line "$name: no exit button" "$(probe state SpeedButtonSortie_PageRecom)" "visible=0"
    wizard_screenshot "page7-excluded-$name"
    probe key ENTER >/dev/null
    check_equals "$name: validate ends the program with code 0" 0 "$(wizard_wait_end 20)"
    check_equals "$name: the trace" Recommendation "$(wizard_trace)"
    machine_snapshot "after-$name"
    machine_compare "before-$name" "after-$name" +file:TraceTavrik.log \
        "${decision_new_key[@]}" "+reg:$decision_product_key\\Install"
}

TYPEPOSTE=PORTABLE excluded portable "$warning"
TYPEPOSTE=FIXE excluded fixed "$warning"
mkdir -p "$(dirname "$server_flag")" && : >"$server_flag"
excluded server "$server_warning"
checks_done
