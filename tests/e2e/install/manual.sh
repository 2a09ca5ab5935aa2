#!/usr/bin/env bash
# The unattended branch: a portable PC whose site asked for a manual
# installation runs the setup with no page at all and ends with code 0,
# changing only what the installation or removal changes. A setup that
# fails ends with code 1, one that cannot start (no setup.exe) with 2;
# both keep the product key and the site's trigger for a retry.
#   manual.sh install | remove | failing-install | missing-setup
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

action=${1:?usage: manual.sh install | remove | failing-install | missing-setup}
install_setup
flag="$(install_c)/RVS/majclient.flg"
mkdir -p "$(dirname "$flag")" && : >"$flag"
trap 'rm -rf "$(install_c)/RVS"; install_cleanup' EXIT
reg() { "$TAVRIK_WINE" reg add "$decision_product_key" /v "$1" /d "$2" /f >/dev/null 2>&1; }
reg Manual 1
reg Langue GB
reg PathInstall C:
code=0 failure="" response=install.iss
case $action in
    install) reg IsInstall 1 ;;
    remove) install_put_tree; response=desinst.iss ;;
    failing-install)
        reg IsInstall 1
        code=1 failure="setup en echec, cle conservee"
        wizard_medium_ini install.iss Faults Outcome fail ;;
    missing-setup)
        reg IsInstall 1
        code=2 failure="setup non lance, cle conservee"
        rm "$(wizard_medium_file setup.exe)" ;;
    *) echo "manual.sh: unknown action $action" >&2; exit 2 ;;
esac
# Nobody takes the setup's progress markers here: wait for none.
wizard_medium_ini "$response" Progress MarkerWaitMs 0

machine_snapshot before
rm -f "$wizard_status_file"
(
    status=0
    cd "$wizard_medium" && TYPEPOSTE=PORTABLE tavrik_wine_run 120 "$wizard_medium/tavrik.exe" || status=$?
    echo "$status" >"$wizard_status_file"
) &
wizard_job=$!
windows=0
while [ ! -f "$wizard_status_file" ]; do
    probe page >/dev/null 2>&1 && windows=$((windows + 1))
done
check_equals "no page was ever shown" 0 "$windows"
check_equals "the program ends with code $code" "$code" "$(wizard_wait_end 5)"
# The screen as the run left it: no page, no window.
wizard_screenshot "manual-$action-screen"
if [ -n "$failure" ]; then
    check_equals "the trace says why the key is kept" \
        "$(printf '%s\n' "Install manuelle" "$failure")" "$(wizard_trace)"
    check_equals "Manual is kept for a retry" 1 "$(tavrik_wine_reg_value "$decision_product_key" Manual)"
    check_equals "IsInstall is kept" 1 "$(tavrik_wine_reg_value "$decision_product_key" IsInstall)"
    check_equals "PathInstall is kept" C: "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)"
    [ "$action" = failing-install ] &&
        check_equals "the setup's failure stays recorded" 1 \
            "$(tavrik_wine_reg_value "$decision_product_key" Install)"
    checks_done
    exit
fi
check_equals "the trace holds the branch alone" "Install manuelle" "$(wizard_trace)"
if [ "$action" = install ]; then
    check_equals "the medium's place is recorded" 'D:\' "$(tavrik_wine_reg_value "$decision_product_key" CD)"
    check_equals "Manual is cleared" "" "$(tavrik_wine_reg_value "$decision_product_key" Manual)"
    check_equals "IsInstall is cleared" "" "$(tavrik_wine_reg_value "$decision_product_key" IsInstall)"
    check_equals "the setup succeeded" 0 "$(tavrik_wine_reg_value "$decision_product_key" Install)"
    check_bytes "DICO.TXT from the recorded language" "$(install_tree)/EXE/DICO.TXT" "Dico=THESAUGB.DBZ"
    check_equals "the program is installed" yes "$([ -f "$(install_tree)/EXE/brendol.exe" ] && echo yes)"
else
    check_status "the product key is gone" 1 tavrik_wine_reg_key_exists "$decision_product_key"
    check_equals "the application is gone" no "$([ -e "$(install_tree)/EXE/brendol.exe" ] && echo yes || echo no)"
fi
machine_snapshot after
key="reg:$decision_product_key"
if [ "$action" = install ]; then
    machine_compare before after +file:TraceTavrik.log +file:setup.log '+file:app/BRENDOL/*' \
        "+$key\\CD" "+$key\\Install" "-$key\\Manual" "-$key\\IsInstall"
else
    machine_compare before after +file:TraceTavrik.log +file:setup.log '-file:app/BRENDOL/*' "-$key\\*"
fi
checks_done
