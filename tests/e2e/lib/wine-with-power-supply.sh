#!/bin/sh
# Wine with TAVRIK_POWER_SUPPLY in place of /sys/class/power_supply, for the
# program it runs and that program's children only: a mount namespace of
# their own (power.sh). TAVRIK_POWER_WINE is Wine itself.
set -eu
: "${TAVRIK_POWER_SUPPLY:?}" "${TAVRIK_POWER_WINE:?}"
# The mount must never reach the rest of the machine: /sys is made a slave
# in the new namespace before it. Root needs no user namespace, and inside a
# chroot (the fresh-machine check) the kernel refuses one; nor can the
# chroot's root change its propagation, so only /sys is changed.
# shellcheck disable=SC2016 # expanded by the inner shell
bind='mount --make-rslave /sys && mount --bind "$0" /sys/class/power_supply && exec "$@"'
if [ "$(id -u)" -eq 0 ]; then
    exec unshare --mount --propagation unchanged \
        sh -c "$bind" "$TAVRIK_POWER_SUPPLY" "$TAVRIK_POWER_WINE" "$@"
fi
# The capabilities that the new namespace grants must outlive the exec of
# the shell, which makes the mount.
exec unshare --user --map-current-user --keep-caps --mount \
    sh -c "$bind" "$TAVRIK_POWER_SUPPLY" "$TAVRIK_POWER_WINE" "$@"
