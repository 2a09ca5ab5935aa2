#!/usr/bin/env bash
# End-to-end check of the Win32 host: runs vcl_demo.exe under Wine, reads its
# window with the probe, presses keys and clicks with xdotool (real X input)
# and with posted messages (the probe), and checks pixels of screenshots.
#
# usage: vcl_demo.sh DEMO_EXE PROBE_EXE   (inside the Wine fixture)
# Screenshots are left in the working folder (vcl-page1.png, vcl-page2.png).
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../tools/wine/wine-lib.sh"
. "$here/../lib/checks.sh"

[ $# -eq 2 ] || tavrik_wine_fail "usage: vcl_demo.sh DEMO_EXE PROBE_EXE"
demo=$1
probe_exe=$2
[ -f "$demo" ] || tavrik_wine_fail "the win64 demo is missing: $demo (build the win64 preset)"
[ -f "$probe_exe" ] || tavrik_wine_fail "the win64 probe is missing: $probe_exe"
command -v xdotool >/dev/null || tavrik_wine_fail "xdotool is not installed"
command -v import >/dev/null || tavrik_wine_fail "ImageMagick is not installed"
tavrik_wine_load
out=$PWD
status_file="$out/vcl-demo.status"
rm -f "$status_file"

probe() {
    tavrik_wine_run 30 "$probe_exe" "$@" | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# The demo runs in the background; its exit status lands in a file.
(
    status=0
    tavrik_wine_run 180 "$demo" || status=$?
    echo "$status" >"$status_file"
) &
demo_job=$!
finish() {
    if [ ! -f "$status_file" ]; then
        probe key F1 >/dev/null 2>&1
        wait_until 5 test -f "$status_file"
    fi
    kill "$demo_job" 2>/dev/null
}
trap finish EXIT

# Page coordinates (within a 640 x 480 page) on the screen: the page sits at
# (4, 6) in the form's client area.
origin_x=0
origin_y=0
read_origin() {
    local origin
    origin=$(probe window | sed -n 's/^client_origin=//p')
    origin_x=${origin%,*}
    origin_y=${origin#*,}
}
screen_x() { echo $((origin_x + 4 + $1)); }
screen_y() { echo $((origin_y + 6 + $1)); }
click_page() {
    xdotool mousemove "$(screen_x "$1")" "$(screen_y "$2")" click 1
}
# The colour of a page pixel in a screenshot, as RRGGBB.
pixel() {
    convert "$1" -format "%[hex:p{$(screen_x "$2"),$(screen_y "$3")}]" info: | cut -c1-6
}
# Whether a page rectangle of a screenshot holds a pixel of the colour.
has_colour() {
    convert "$1" -crop "$4x$5+$(screen_x "$2")+$(screen_y "$3")" +repage -unique-colors txt: |
        grep -qi "#$6"
}
field() { printf '%s\n' "$1" | sed -n "s/^$2=//p"; }
# The demo answers with no message box open; the exit code 2 means none.
no_dialog() {
    probe dialog >/dev/null 2>&1
    [ $? -eq 2 ]
}

echo "--- window"
check_status "the form appears" 0 probe wait-window 30000
read_origin
window=$(probe window)
check_line "client area 648 x 490" "$window" "client=648x490"
check_equals "placed at 266, 168" "266,168" "$(field "$window" window | cut -d, -f1,2)"
check_line "always on top" "$window" "topmost=1"
check_line "no caption text" "$window" "caption="
check_line "system menu" "$window" "sysmenu=1"
check_line "minimise box" "$window" "minimize_box=1"
check_line "no maximise box" "$window" "maximize_box=0"
check_line "fixed border" "$window" "sizable=0"
check_equals "the first page is active" "1 PageDemo" "$(probe page)"

echo "--- texts read from outside"
check_equals "Cyrillic title read through its code page" "Выбор языка" "$(probe text Label_HC_Demo)"
check_equals "Cyrillic text" "Это правильный язык? Нажмите Ввод, чтобы продолжить." \
    "$(probe text Label_Text)"
all=$(probe all)
check_line "page control names the page" "$all" "PageControlPrincipal=1 PageDemo"
check_line "speed buttons are listed by name" "$all" "Bouton_Valide_Demo="
check_line "list box items" "$all" 'listbox1=C:\\ Fixed volume\nE:\\ Fixed volume'
check_equals "controls of a hidden page are not listed" "" "$(field "$all" Label_Greek)"
button=$(probe state Bouton_Valide_Demo)
check_line "a shadow has its control's bounds" "$button" "bounds=587,434,23,22"
check_line "a shadow is visible with its control" "$button" "visible=1"
list=$(probe state listbox1)
check_line "disabled list box" "$list" "enabled=0"
check_line "first item selected" "$list" "selected=0"

echo "--- timer"
check_changes_within 5 "the timer ticks" "$(probe text Label_Ticks)" probe text Label_Ticks

echo "--- pixels"
import -window root "$out/vcl-page1.png"
shot="$out/vcl-page1.png"
check_equals "highlight shape drawn in yellow" "FFFF00" "$(pixel "$shot" 100 240)"
check_equals "flag glyph drawn" "0033AA" "$(pixel "$shot" 111 204)"
check_equals "flag's grey frame left out" "no" \
    "$([ "$(pixel "$shot" 102 190)" = 808080 ] && echo yes || echo no)"
check_equals "validate glyph drawn" "10A030" "$(pixel "$shot" 593 438)"
check_equals "glyph's black left out" "no" \
    "$([ "$(pixel "$shot" 584 429)" = 000000 ] && echo yes || echo no)"
check_equals "background picture stretched over the page" "E8F0FA" "$(pixel "$shot" 320 2)"
check_status "title drawn in the title colour" 0 has_colour "$shot" 48 0 441 41 29458F

echo "--- keys from the X server"
xdotool key Down
check_equals_within 5 "form sees the key first" "Key 40" probe text Label_Key
check_line_within 5 "its handler moved the list selection" "selected=1" probe state listbox1
xdotool key Return
check_status "Enter shows page 2" 0 probe wait-page 2 5000
check_equals "the key press reached the form" "Char 13" "$(probe text Label_Char)"
import -window root "$out/vcl-page2.png"

echo "--- page 2: system controls"
all=$(probe all)
check_line "Greek title read through its code page" "$all" "Label_Greek=Ελληνικά"
check_line "memo text in its code page" "$all" \
    "Memo1=Contrat de licence : lisez-le avant de l'accepter.\\nÉté, déjà, où.\\n"
check_equals "controls of the hidden page are not listed" "" "$(field "$all" Label_Ticks)"
probe click Label_Non >/dev/null
check_line_within 5 "a label click checks a radio button" "checked=1" probe state RadioButtonNon
probe click RadioButtonOui >/dev/null
check_line_within 5 "a radio button click checks it" "checked=1" probe state RadioButtonOui
check_line_within 5 "and unchecks its sibling" "checked=0" probe state RadioButtonNon
check_line "up-down keeps its width" "$(probe state UpDown1)" "bounds=64,306,40,80"
click_page 80 310
check_equals_within 5 "upper arrow counts up" "Next 2" probe text Label_UpDown
check_line_within 5 "the control shows the new position" "position=2" probe state UpDown1
click_page 80 370
check_equals_within 5 "lower arrow counts down" "Previous 1" probe text Label_UpDown

echo "--- posted keys, clicks, scrolling"
probe key ENTER >/dev/null
check_status "a posted Enter shows page 1" 0 probe wait-page 1 5000
click_page 20 118
check_equals_within 5 "a click on a label" "Clicked" probe text Label_Click
click_page 624 410
check_equals_within 5 "scroll bar arrow: OnScroll before the move, OnChange, end of scroll" \
    "s1:2 c2 s8:2" probe text Label_Scroll
check_line_within 5 "the bar shows it" "position=2" probe state ScrollBar1
click_page 120 200
check_status "a click on the flag button" 0 probe wait-page 2 5000
probe key ENTER >/dev/null
probe wait-page 1 5000 >/dev/null

echo "--- exceptions and closing"
probe key F2 >/dev/null
dialog=$(probe wait-dialog 5000)
check_line "an escaping exception is shown" "$dialog" "text=Demo failure on purpose."
check_line "titled with the application title" "$dialog" "title=Tavrik demo"
xdotool key Return
check_within 5 "the box is dismissed" no_dialog
check_changes_within 5 "the program goes on" "$(probe text Label_Ticks)" probe text Label_Ticks
check_line "the system menu's Close is refused" "$(probe try-close)" "closed=0"
xdotool key alt+F4
check_line_stays 1 "Alt+F4 is refused too" "visible=1" probe window
xdotool key F1
wait_until 10 test -f "$status_file"
check_equals "F1 closes the form and the program ends with 0" "0" "$(cat "$status_file" 2>/dev/null)"

checks_done
