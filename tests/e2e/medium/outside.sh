# shellcheck shell=bash
# Running the demo medium's outside programs in the prefix as the wizard
# starts them. Source after tools/wine/wine-lib.sh and checks.sh:
#
#   outside_setup               # a medium copy in C:\Tavrik Medium\, drive P:, helpers
#   outside_run DIR LINE [--hidden]
#                               # starts LINE exactly as written, the current
#                               # directory being DIR (a Unix path in the prefix);
#                               # prints the program's exit code (signed)
#
# Drive P: is a folder of the scenario, so PathInstall = P: keeps the
# installed tree apart from drive C, which other scenarios share.

outside_product_key='HKLM\SOFTWARE\NORVA\BRENDOL_PC'

outside_setup() {
    [ -n "${TAVRIK_DEMO_MEDIUM:-}" ] || tavrik_wine_fail "TAVRIK_DEMO_MEDIUM is not set"
    tavrik_wine_load
    local helpers="$TAVRIK_WIN64_DIR/tests/e2e/medium"
    [ -f "$helpers/runline.exe" ] || tavrik_wine_fail "the win64 runline.exe is missing"
    outside_c="$WINEPREFIX/drive_c"
    outside_medium="$outside_c/Tavrik Medium"
    outside_work="$outside_c/tavrik-outside"
    outside_target=$(mktemp -d "${TMPDIR:-/tmp}/tavrik-target.XXXXXX")
    rm -rf "$outside_medium" "$outside_work"
    mkdir -p "$outside_medium" "$outside_work"
    cp -r "$TAVRIK_DEMO_MEDIUM/." "$outside_medium/"
    cp "$helpers/runline.exe" "$helpers/holdlib.exe" "$outside_work/"
    ln -sfn "$outside_target" "$WINEPREFIX/dosdevices/p:"
    trap outside_cleanup EXIT
}

outside_cleanup() {
    if [ -f "$outside_work/holdlib.exe.held" ]; then
        : >"$outside_work/holdlib.exe.stop"
        outside_wait_gone "$outside_work/holdlib.exe.held" 5
    fi
    "$TAVRIK_WINE" reg delete "$outside_product_key" /f >/dev/null 2>&1
    rm -f "$WINEPREFIX/dosdevices/p:" "$outside_c/TavrikComponents.txt" \
        "$outside_c/updateqxd-result.txt"
    rm -rf "$outside_medium" "$outside_work" "$outside_target"
    return 0
}

outside_run() {
    local folder=$1 line_file
    # One file per run: runs may overlap.
    line_file=$(mktemp "$outside_work/line.XXXXXX")
    printf '%s\r\n' "$2" >"$line_file"
    shift 2
    (cd "$folder" && tavrik_wine_run 60 "$outside_work/runline.exe" \
        "C:\\tavrik-outside\\${line_file##*/}" "$@" 2>/dev/null) | tr -d '\r' | sed -n 's/^exit //p'
}

# outside_wait_gone FILE SECONDS: true once FILE no longer exists.
outside_wait_gone() { wait_until "$2" test ! -e "$1"; }

# outside_wait_for FILE SECONDS: true once FILE exists.
outside_wait_for() { wait_until "$2" test -e "$1"; }

# Holds the installed library open from another process, as a running
# application does, until outside_release.
outside_hold() {
    (tavrik_wine_run 120 "$outside_work/holdlib.exe" "$1" >/dev/null 2>&1 &)
    outside_wait_for "$outside_work/holdlib.exe.held" 20 || tavrik_wine_fail "holdlib.exe did not load $1"
}

outside_release() {
    : >"$outside_work/holdlib.exe.stop"
    outside_wait_gone "$outside_work/holdlib.exe.held" 20 || tavrik_wine_fail "holdlib.exe did not end"
}
