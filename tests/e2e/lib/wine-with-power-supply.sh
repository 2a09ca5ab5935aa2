#!/bin/sh
# Wine with TAVRIK_POWER_SUPPLY in place of /sys/class/power_supply, for the
# program it runs and that program's children only: a user and mount
# namespace of their own (power.sh). TAVRIK_POWER_WINE is Wine itself.
set -eu
: "${TAVRIK_POWER_SUPPLY:?}" "${TAVRIK_POWER_WINE:?}"
# The capabilities that the new namespace grants must outlive the exec of
# the shell, which makes the mount.
exec unshare --user --map-current-user --keep-caps --mount \
    sh -c 'mount --bind "$0" /sys/class/power_supply && exec "$@"' \
    "$TAVRIK_POWER_SUPPLY" "$TAVRIK_POWER_WINE" "$@"
