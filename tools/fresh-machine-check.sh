#!/usr/bin/env bash
# Proves the README's set-up commands on a machine that has nothing but a
# minimal Debian 12, as root and without sudo: builds such a root with debootstrap, puts a
# clean clone of the committed HEAD into it and runs both commands there as
# root through chroot, exactly as the README writes them. A development
# machine keeps what was once installed by hand; this root does not, so a
# package the installer forgets shows here. Slow (the whole installation,
# three builds and every test), so it is not part of the test command.
#
# usage: sudo tools/fresh-machine-check.sh [WORK_DIR]    (default: build/fresh-machine)
# WORK_DIR keeps the root (WORK_DIR/root, made anew each run), the logs of
# both commands and a cache of downloaded packages that later runs reuse.
# While it runs, WORK_DIR/root holds bind mounts of /proc, /sys and /dev: do
# not delete the folder then (the script unmounts them when it ends).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
[ $# -le 1 ] || { echo "usage: fresh-machine-check.sh [WORK_DIR]" >&2; exit 2; }
fail() { echo "fresh-machine-check: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, mount, chroot)"
for tool in debootstrap chroot mount umount git findmnt; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

work=${1:-$repo/build/fresh-machine}
mkdir -p "$work"
work=$(cd "$work" && pwd -P)
case "$work" in *[[:space:]]*) fail "the work folder must not contain blanks: $work" ;; esac
root=$work/root
mirror=http://deb.debian.org/debian

# The README's set-up commands: the indented lines that run the installer.
mapfile -t commands < <(grep -E '^    (sudo )?tools/install-dependencies\.sh ' "$repo/README.md" | sed 's/^    //')
[ ${#commands[@]} -eq 2 ] || fail "README.md should hold two set-up commands, found ${#commands[@]}"

mounted_under_root() {
    findmnt -rn -o TARGET | grep -E "^$root(/|$)" || true
}

# Everything running with the root as its root directory was started here
# (by the commands below): Wine servers first, through their own prefixes,
# then whatever is left, by PID.
chroot_pids() {
    local link pid
    for link in /proc/[0-9]*/root; do
        pid=${link#/proc/}
        pid=${pid%/root}
        [ "$(readlink "$link" 2>/dev/null)" = "$root" ] && echo "$pid"
    done
    return 0
}

stop_chroot_processes() {
    local prefix pids
    if [ -x "$root/usr/bin/wineserver" ]; then
        for prefix in "$root"/root/tavrik/build/*/wine/prefix "$root"/root/tavrik/build/demo/*/prefix; do
            [ -d "$prefix" ] || continue
            chroot "$root" /usr/bin/env WINEPREFIX="${prefix#"$root"}" wineserver -k >/dev/null 2>&1 || true
        done
    fi
    for signal in TERM KILL; do
        pids=$(chroot_pids)
        [ -n "$pids" ] || return 0
        echo "fresh-machine-check: ending processes left in the root ($signal): ${pids//$'\n'/ }"
        # shellcheck disable=SC2086
        kill -s "$signal" $pids 2>/dev/null || true
        for _ in $(seq 50); do
            [ -z "$(chroot_pids)" ] && return 0
            sleep 0.2
        done
    done
}

unmount_all() {
    local target
    stop_chroot_processes
    # Deepest first.
    for target in $(mounted_under_root | sort -r); do
        umount "$target" || { echo "fresh-machine-check: $target is busy, detaching it" >&2; umount -l "$target"; }
    done
}

# A run that was cut short may have left its mounts; never delete through them.
unmount_all
[ -z "$(mounted_under_root)" ] || fail "could not unmount $(mounted_under_root | tr '\n' ' ')"
rm -rf --one-file-system "$root"

trap unmount_all EXIT
started=$(date +%s)
echo "=== debootstrap: minimal Debian 12 in $root"
mkdir -p "$work/debootstrap-cache" "$work/apt-archives/partial"
debootstrap --variant=minbase --cache-dir="$work/debootstrap-cache" \
    bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    fail "debootstrap failed: $(tail -n 5 "$work/debootstrap.log")"
cp /etc/resolv.conf "$root/etc/resolv.conf"
[ -s "$root/etc/hosts" ] || printf '127.0.0.1\tlocalhost\n127.0.1.1\t%s\n' "$(hostname)" >"$root/etc/hosts"

bind() {
    mkdir -p "$root$2"
    mount --bind "$1" "$root$2"
    # Private, so that nothing mounted or unmounted inside reaches the host.
    mount --make-private "$root$2"
}
bind /proc /proc
bind /sys /sys
bind /dev /dev
bind /dev/pts /dev/pts
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
# Packages downloaded by an earlier run are reused; apt still checks each.
bind "$work/apt-archives" /var/cache/apt/archives

echo "=== a clean clone of $(git -C "$repo" rev-parse --short HEAD) in /root/tavrik"
git clone --quiet --no-hardlinks "$repo" "$root/root/tavrik"
git -C "$root/root/tavrik" checkout --quiet --detach "$(git -C "$repo" rev-parse HEAD)"

# As root logs in on such a machine: no display, no locale, a home folder.
in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "cd /root/tavrik && $1"
}

status=0
n=0
for command in "${commands[@]}"; do
    n=$((n + 1))
    log=$work/command-$n.log
    echo "=== $command   (log: $log)"
    begun=$(date +%s)
    result=0
    in_root "$command" </dev/null >"$log" 2>&1 || result=$?
    tail -n 25 "$log"
    echo "=== exit status $result after $(($(date +%s) - begun)) s"
    [ "$result" -eq 0 ] || status=1
done

shots=$root/root/tavrik/build/demo/screenshots
if compgen -G "$shots/*.png" >/dev/null; then
    rm -rf "$work/demo-screenshots"
    cp -r "$shots" "$work/demo-screenshots"
    echo "=== the demo's screenshots: $work/demo-screenshots"
else
    echo "=== the demo left no screenshot ($shots)"
    status=1
fi
echo "=== fresh machine: $([ "$status" -eq 0 ] && echo passed || echo FAILED) in $(($(date +%s) - started)) s"
exit "$status"
