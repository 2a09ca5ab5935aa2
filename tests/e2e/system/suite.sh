# shellcheck shell=bash
# Starting and stopping the suite's stand-in programs in the prefix, for the
# running-applications scenarios. Source after wizard.sh.

suite_folder() { echo "$WINEPREFIX/drive_c/e2e-suite"; }

# suite_start NAME [--window TITLE]: runs NAME.exe in the background.
suite_start() {
    local name=$1
    shift
    local folder
    folder=$(suite_folder)
    mkdir -p "$folder"
    cp "$TAVRIK_WIN64_DIR/tests/e2e/system/$name.exe" "$folder/$name.exe"
    rm -f "$folder/$name.exe.stop" "$folder/$name.exe.running" "$folder/$name.exe.ended"
    # "ended" is ours: written once the process is gone, which is later than
    # the program's own "running" goes.
    ( (
        tavrik_wine_run 150 "$folder/$name.exe" "$@" >/dev/null 2>&1
        : >"$folder/$name.exe.ended"
    ) &)
    wait_until 10 test -f "$folder/$name.exe.running" || tavrik_wine_fail "$name.exe did not start"
}

# suite_stop NAME: asks NAME.exe to end and waits until its process is gone.
suite_stop() {
    local program
    program="$(suite_folder)/$1.exe"
    : >"$program.stop"
    wait_until 10 test -f "$program.ended" || tavrik_wine_fail "$1.exe did not end"
}

suite_stop_all() {
    local program
    for program in "$(suite_folder)"/*.exe; do
        [ -f "$program" ] && [ ! -f "$program.ended" ] && suite_stop "$(basename "$program" .exe)"
    done
    return 0
}

suite_service_running() { : >"$WINEPREFIX/drive_c/app/qxdiag/running.flag"; }
suite_service_stopped() { rm -f "$WINEPREFIX/drive_c/app/qxdiag/running.flag"; }
