#!/usr/bin/env bash
# Prepares the Wine prefix as one of the machines the installation decision
# tells apart, or puts it back as wine-up.sh made it.
#
# usage: machine.sh first-installation      no PathInstall, no installed tree
#        machine.sh installed VERSION       PathInstall = C:, C:\APP\BRENDOL\applic.ini
#                                           with VSOFT = VERSION
#        machine.sh refused-type            adds the marker key SOFTWARE\VORP
#        machine.sh clean                   removes all of the above
#
# Runs against the prepared prefix of TAVRIK_WINE_STATE (or --state DIR first).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine/wine-lib.sh
. "$here/../../../tools/wine/wine-lib.sh"

if [ "${1:-}" = "--state" ]; then
    export TAVRIK_WINE_STATE=$2
    shift 2
fi
tavrik_wine_load

product_key='HKLM\SOFTWARE\NORVA\BRENDOL_PC'
marker_key='HKLM\SOFTWARE\VORP'
# C:\APP is the prefix's "app" folder (it holds the suite's qxdiag), as Wine
# resolves names without regard to case.
installed_tree="$WINEPREFIX/drive_c/app/BRENDOL"

reg() {
    "$TAVRIK_WINE" reg "$@" >/dev/null 2>&1
}

# Deleting what is not there is fine: reg reports it and we go on.
forget_installation() {
    reg delete "$product_key" /f || true
    rm -f "$installed_tree/applic.ini"
}

case "${1:-}" in
    first-installation)
        forget_installation
        ;;
    installed)
        [ $# -eq 2 ] || tavrik_wine_fail "usage: machine.sh installed VERSION"
        forget_installation
        mkdir -p "$installed_tree"
        printf '[APPLICATION]\r\nVSOFT=%s\r\n' "$2" >"$installed_tree/applic.ini"
        reg add "$product_key" /v PathInstall /d 'C:' /f ||
            tavrik_wine_fail "cannot write PathInstall"
        ;;
    refused-type)
        reg add "$marker_key" /f || tavrik_wine_fail "cannot create $marker_key"
        ;;
    clean)
        forget_installation
        reg delete "$marker_key" /f || true
        # Only folders this script made, and only when nothing else is in them.
        rmdir "$installed_tree" 2>/dev/null || true
        ;;
    *)
        tavrik_wine_fail "usage: machine.sh first-installation | installed VERSION | refused-type | clean"
        ;;
esac
