#!/usr/bin/env bash
# An installed tree copied from a CD: the library that page 6 tests is
# read-only, and so is the copy an earlier run left beside it. Neither is
# a sign of a program holding the library: the reinstallation runs to its
# success without the restart road, and no copy is left behind.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/install.sh"

install_on_installed_pc
library="$(install_tree)/EXE/brendolx.dll"
cp "$library" "$library.cop"
# Wine shows a file without write permission as read-only.
chmod a-w "$library" "$library.cop"

wizard_start
decision_confirm_language
install_reach_work reinstallation
install_wait_validate
wizard_screenshot install-read-only-library
text=$(probe_settled text Texte_Page_MAJEnCours)
check_equals "the installation succeeded" "$(wizard_phrase 116390 period)" "${text%%\\n*}"
check_status "the library test found nothing in use" 1 grep -q '^test DLL' "$(install_c)/TraceTavrik.log"
check_equals "no copy is left beside the library" no "$([ -e "$library.cop" ] && echo yes || echo no)"
check_equals "the library is in place" yes "$([ -f "$library" ] && echo yes || echo no)"
probe key ENTER >/dev/null
check_equals "Enter ends the run with code 0" 0 "$(wizard_wait_end 30)"
checks_done
