#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on this tree inside a fresh minimal Debian root, as a new
# user's machine would be: nothing but bash and apt to begin with. The root
# is made anew (mmdebstrap or debootstrap, from the Debian archive), gets
# /proc, /dev and /sys, and a copy of the tree as it stands (tracked and new
# files, never build/); the command runs there as root. Everything is
# unmounted and removed at the end, whatever the outcome. What it needs on
# this machine (git, and debootstrap where mmdebstrap is missing) it installs
# here, and says so.
# MENSARO_MIRROR names another Debian archive.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
usage() {
    cat >&2 <<'EOF'
Usage: scripts/in-debian.sh [--keep DIR] RELEASE -- COMMAND...
  e.g. scripts/in-debian.sh trixie -- bash scripts/build.sh test
--keep DIR makes the root in DIR, or reuses the one already there, and
leaves it in place afterwards (the tree inside is copied afresh each time).
EOF
    exit 2
}

keep=
if [[ ${1:-} == --keep ]]; then
    [[ -n ${2:-} ]] || usage
    keep=$2
    shift 2
fi
[[ $# -ge 3 && $2 == -- ]] || usage
release=$1
shift 2
mirror=${MENSARO_MIRROR:-http://deb.debian.org/debian}
[[ $(id -u) -eq 0 ]] || { echo "in-debian.sh makes a root and mounts into it: run it as root" >&2; exit 1; }

if [[ -n $keep ]]; then
    mkdir -p "$keep"
    root=$(cd "$keep" && pwd)
else
    root=$(mktemp -d "${TMPDIR:-/var/tmp}/mensaro-$release.XXXXXX")
fi
mounts=()
cleanup() {
    local rc=$? m i p
    # Whatever the command left running in the root (a D-Bus or X server)
    # would hold its mounts.
    for p in /proc/[0-9]*; do
        [[ $(readlink "$p/root" 2>/dev/null) == "$root" ]] && kill -KILL "${p#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        m=${mounts[i]}
        umount "$m" 2>/dev/null || umount -l "$m" || echo "in-debian.sh: cannot unmount $m" >&2
    done
    # Never into a mount that is still there: --one-file-system stops at it.
    if [[ -z $keep ]] && ! findmnt -rn -o TARGET | grep -q "^$root/"; then
        rm -rf --one-file-system "$root"
    fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# Installs on this machine, not in the root.
install_here() {
    echo "in-debian.sh: installing $* on this machine" >&2
    apt-get -o DPkg::Lock::Timeout=600 update -qq &&
        DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq "$@" >/dev/null
}
# The tree goes in as git sees it.
command -v git >/dev/null || install_here git

if [[ ! -x $root/usr/bin/apt-get ]]; then
    find "$root" -mindepth 1 -maxdepth 1 | grep -q . && { echo "$root is not empty and holds no Debian root" >&2; exit 1; }
    start=$SECONDS
    if command -v mmdebstrap >/dev/null; then
        mmdebstrap --quiet --variant=minbase "$release" "$root" "$mirror"
    else
        command -v debootstrap >/dev/null || install_here debootstrap
        debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
            { tail -20 "$root.debootstrap.log" >&2; rm -f "$root.debootstrap.log"; exit 1; }
        rm -f "$root.debootstrap.log"
    fi
    echo "in-debian.sh: made a $release root in $((SECONDS - start)) s: $root"
fi

# So apt inside reaches the archive as the machine does. A machine without
# the file resolves no names either (its archive is then local, or reached
# through a proxy by address), so there is nothing to copy. The root's own
# file may be a link to this machine's runtime folders: replaced, not followed.
if [[ -e /etc/resolv.conf ]]; then
    rm -f "$root/etc/resolv.conf"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
fi
mount_in() {
    mount "$@"
    mounts+=("${!#}")
}
mount_in -t proc proc "$root/proc"
mount_in -t sysfs sysfs "$root/sys"
mount_in --bind /dev "$root/dev"
# Mounts made under it must not reach the machine's own /dev.
mount --make-rslave "$root/dev"
mount_in --bind /dev/pts "$root/dev/pts"
mount_in -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"

# The tree as it stands, as a git checkout (so that what git ignores, such as
# build/, stays ignored by the checks that ask git).
work=$root/root/mensaro
rm -rf --one-file-system "$work"
mkdir -p "$work"
(cd "$top" && git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' f; do
    [[ -e $f || -L $f ]] && printf '%s\0' "$f"
done | tar --null -T - -cf -) | tar -C "$work" -xf -
git -C "$work" init -q
git -C "$work" add -A

# In the background, so that a signal to this script is acted on at once.
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c 'cd /root/mensaro && exec "$@"' in-debian "$@" </dev/null &
wait $!
