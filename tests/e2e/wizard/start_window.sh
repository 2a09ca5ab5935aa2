#!/usr/bin/env bash
# The real wizard started from the medium drive: one fixed window with a
# 648 x 490 client area, on top, Close greyed, a fresh trace log that names
# the earlier run's unfinished installation, Install reset in the product
# key, page 7 with the title from ap.ini.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../lib/scenario.sh"

wizard_setup
printf 'an earlier run\r\n' >"$WINEPREFIX/drive_c/TraceTavrik.log"
"$TAVRIK_WINE" reg add 'HKLM\SOFTWARE\NORVA\BRENDOL_PC' /v Install /d 1 /f >/dev/null 2>&1

machine_snapshot before
wizard_start
check_equals "page 7 is shown first" "7 PageRecommendation" "$(probe page)"
window=$(probe window)
check_line "client area 648 x 490" "$window" "client=648x490"
check_line "always on top" "$window" "topmost=1"
check_line "system menu" "$window" "sysmenu=1"
check_line "minimise box" "$window" "minimize_box=1"
check_line "no maximise box" "$window" "maximize_box=0"
check_line "fixed border" "$window" "sizable=0"
check_line "no caption text" "$window" "caption="
check_equals "title from ap.ini" "Installation de la suite Solvane" "$(probe text Label_HC_PageRecom)"
check_equals "a fresh trace log, the unfinished run named" \
    "installation precedente non terminee (Install = 1)"$'\n'"Recommendation" "$(wizard_trace)"
check_equals "Install reset to 0" "0" "$(tavrik_wine_reg_value 'HKLM\SOFTWARE\NORVA\BRENDOL_PC' Install)"
wizard_screenshot page7-start

probe try-close >/dev/null
wizard_check_stays "the greyed close box does not close the wizard" 7
probe key F1 >/dev/null
check_equals "F1 ends the program with code 0" "0" "$(wizard_wait_end 20)"
machine_snapshot after
machine_compare before after ~file:TraceTavrik.log '~reg:HKLM\SOFTWARE\NORVA\BRENDOL_PC\Install'
checks_done
