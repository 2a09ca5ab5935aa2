#!/usr/bin/env bash
# The restart road of a first installation in another script (restart_resume.sh
# [CODE], Russian by default: RU, EL, PL): a library in the way on the
# chosen volume is held open, so the installation offers the restart page
# (its French legible whatever the language); its validate leaves the
# shortcut "C:\Tavrik.lnk", the resume record and the run-once entry, and
# asks for the restart. The run that the next log-on starts through the
# shortcut ("-reboot") goes from the recommendations straight to the work
# and installs to its end in that language on C:, the first-installation
# component included. The machine then holds what a first installation
# leaves, and no shortcut, record or run-once entry.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../medium/outside.sh"
. "$here/install.sh"

code=${1:-RU}

run_once_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\RunOnce'
record_key="$decision_product_key\\Reprise"
witness="$TAVRIK_WIN64_DIR/tests/e2e/system/restartwitness.exe"
[ -f "$witness" ] || tavrik_wine_fail "the win64 restartwitness.exe is missing"

install_setup
decision_machine first-installation
install_put_tree
decision_only_language "$code"
# The medium copy's first-installation component speaks that language too.
wizard_medium_ini ap.ini INSTALL_COMPOSANTS 2_LANGUES "FR;GB;$code"
cp -r "$(wizard_medium_file COMPST/GB)" "$(wizard_medium_file COMPST)/$code"
outside_work="$(install_c)/tavrik-holder"
mkdir -p "$outside_work"
cp "$TAVRIK_WIN64_DIR/tests/e2e/medium/holdlib.exe" "$witness" "$outside_work/"
finish() {
    : >"$outside_work/holdlib.exe.stop"
    outside_wait_gone "$outside_work/holdlib.exe.held" 5
    rm -rf "$outside_work"
    rm -f "$(install_c)/Tavrik.lnk"
    "$TAVRIK_WINE" reg delete "$run_once_key" /v Install /f >/dev/null 2>&1
    install_cleanup
    # The restart sequence left the medium drive reported as a fixed disk;
    # the scenarios after this one expect the CD-ROM the prefix describes.
    tavrik_wine_restart_server "$TAVRIK_WINE_STATE" ||
        echo "restart road: the Wine server did not come back" >&2
}
trap finish EXIT
outside_hold 'C:\APP\BRENDOL\EXE\brendolx.dll'
(tavrik_wine_run 120 "$outside_work/restartwitness.exe" watch 'C:\tavrik-holder\run-once.txt' 100 \
    >/dev/null 2>&1 &)
outside_wait_for "$outside_work/run-once.txt.ready" 20 || tavrik_wine_fail "the run-once watcher did not start"

echo "--- the run that meets the held library"
machine_snapshot before
# The restart sequence that this run asks for starts Wine's own programs
# from it; they must not hold the test's output open.
wizard_start >"$PWD/restart-first-run.log" 2>&1
decision_confirm_language
install_reach_work first-installation
install_wait_validate 30 "the notice never offered its validate button"
probe key ENTER >/dev/null
decision_expect_page 10 "validate on the notice offers the restart"
wizard_screenshot "restart-page-$code"
probe key ENTER >/dev/null
check_equals "validate there ends the program with code 0" 0 "$(wizard_wait_end 30)"
check_equals "the record keeps the language" "THESAU$code.DBZ" "$(tavrik_wine_reg_value "$record_key" Dictionnaire)"
check_equals "the record keeps the volume" C: "$(tavrik_wine_reg_value "$record_key" PathInstall)"
check_equals "the record keeps the first installation" 1 "$(tavrik_wine_reg_value "$record_key" VolumeChoisi)"

run_once_record() { tr -d '\r' <"$outside_work/run-once.txt" 2>/dev/null; }
check_line_within 10 "the run-once entry names the shortcut" 'Install=c:\Tavrik.lnk' run_once_record
# Wine's restart sequence runs the machine's run-once entries (it cannot
# start a shortcut itself) and ends the programs still running, the watcher
# among them: the entry's removal is the forced restart's effect.
check_equals_within 90 "the restart was requested: its sequence consumed the entry" "" \
    tavrik_wine_reg_value "$run_once_key" Install

# Read once the restart sequence is over: it ends the programs it finds.
link=""
for _ in $(seq 20); do
    link=$(tavrik_wine_run 30 "$outside_work/restartwitness.exe" link 'C:\Tavrik.lnk' 2>/dev/null | tr -d '\r')
    printf '%s\n' "$link" | grep -q '^target=' && break
    sleep 0.5
done
check_line "the shortcut starts the wizard on the medium" "$link" 'target=D:\tavrik.exe'
check_line "with -reboot" "$link" 'arguments=-reboot'
check_line "in the medium's folder" "$link" 'working=D:\'
check_line "described as Tavrik" "$link" 'description=Tavrik'

echo "--- the log-on after the restart"
# The program that held the library ends now, if the restart has not ended
# it already (then its marker stays behind).
: >"$outside_work/holdlib.exe.stop"
outside_wait_gone "$outside_work/holdlib.exe.held" 5 || rm -f "$outside_work/holdlib.exe.held"
wizard_start_link 'C:\Tavrik.lnk'
decision_expect_page 7 "the resumed run opens on the recommendations"
check_equals "the resumed road and why" \
    "Reprise apres redemarrage : THESAU$code.DBZ sur C:, premiere installation" \
    "$(wizard_trace | head -n 1)"
text=$(probe_settled text Label_PageRecom)
check_equals "with the text of a run after a restart, in $code" \
    "$(WIZARD_DICTIONARY=$code wizard_phrase 17877)" "${text%%\\n*}"
wizard_screenshot restart-resumed-page7
probe key ENTER >/dev/null
decision_expect_page 6 "validate goes straight to the work"
install_wait_validate
text=$(probe_settled text Texte_Page_MAJEnCours)
check_equals "the installation succeeds, in $code" \
    "$(WIZARD_DICTIONARY=$code wizard_phrase 116390 period)" "${text%%\\n*}"
install_wait_components first-installation
probe key ENTER >/dev/null
check_equals "Enter ends the resumed run with code 0" 0 "$(wizard_wait_end 30)"
check_equals "the resumed run's work" \
    "$(printf '%s\n' OnPageInstallEnCours TimerMAJComposantTimer LancementIS 'RG_VolInstall mis a jour' \
        C: 'RL_path_CD=D:\' 'EXE=setup.exe -s -f1D:\install.iss -f2C:\setup.log' \
        'IS == 0 || IS.IsEmpty()' FinInstall "c'etait une installation")" \
    "$(install_trace)"
check_equals "no language page in the resumed run" 0 "$(wizard_trace | grep -c '^On_Page_Choix_LG$')"
check_equals "Install is cleared" 0 "$(tavrik_wine_reg_value "$decision_product_key" Install)"
check_equals "Langue is the language chosen before the restart" "$code" \
    "$(tavrik_wine_reg_value "$decision_product_key" Langue)"
check_equals "so is DICO.TXT" "Dico=THESAU$code.DBZ" "$(cat "$(install_tree)/EXE/DICO.TXT" 2>&1)"
check_equals "PathInstall is the volume chosen before the restart" C: \
    "$(tavrik_wine_reg_value "$decision_product_key" PathInstall)"
check_equals "the first-installation component ran" 1 \
    "$(grep -c 'name=viewer' "$(install_components_log)" 2>/dev/null)"
check_status "the library is in place" 0 test -f "$(install_tree)/EXE/brendolx.dll"

machine_snapshot after
mapfile -t expected < <(install_work_changes first-installation; install_key_changes new)
# Besides the road's changes, the scenario's own: the watcher's record, and
# the holder's marker that goes when it ends (its stop request stays when
# the restart ended it first). No shortcut, record or run-once entry.
machine_compare before after "${expected[@]}" \
    +file:app/BRENDOL/EXE/DICO.TXT +file:tavrik-holder/run-once.txt \
    -file:tavrik-holder/holdlib.exe.held '?+file:tavrik-holder/holdlib.exe.stop'
checks_done
