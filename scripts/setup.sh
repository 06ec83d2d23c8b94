#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what Mensaro needs to build, run and test on Debian 12 or 13, and
# generates the locales the tests run under. Safe to run again: it only
# installs what is missing. Usage: scripts/setup.sh [build|package|bench|test]
set -euo pipefail
task=${1:-build}

# Package names are the same on both releases, but for KRunner's library
# (KF5 on Debian 12, KF6 on 13); compilers and tools stay unversioned so each
# release brings its own.
codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
case $codename in
    bookworm | trixie) ;;
    *) echo "Found Debian release '${codename:-unknown}'; Mensaro supports Debian 12 (bookworm) and 13 (trixie)." \
            "Trying anyway." >&2 ;;
esac

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-private-dev libgl-dev librsvg2-bin gettext qt6-translations-l10n
    fonts-liberation2 fontconfig qt6-wayland
)
if [[ $task == package || $task == test ]]; then
    packages+=(dpkg-dev debhelper)
fi
if [[ $task == bench ]]; then
    packages+=(libbenchmark-dev libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev xvfb xauth x11-utils python3 units hyperfine
               dbus-daemon)
fi
if [[ $task == test ]]; then
    packages+=(libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev libgtest-dev libbenchmark-dev locales
               clang libclang-rt-dev clang-format clang-tidy git bash-completion
               file desktop-file-utils appstream
               lintian devscripts reuse mandoc groff-base weston
               xvfb xauth x11-utils xdotool xclip dbus-x11 libglib2.0-bin at-spi2-core python3-pyatspi orca
               dbus-daemon python3-gi gnome-shell xwayland)
    if [[ $codename == bookworm ]]; then packages+=(libkf5runner-dev); else packages+=(libkf6runner-dev); fi
fi
# The other architectures' check (scripts/cross-check.sh): cross compilers,
# their GoogleTest, qemu-user, and arm64's build dependencies of the package.
cross=(arm64 armhf i386 s390x)
if [[ $task == test ]]; then
    packages+=(qemu-user crossbuild-essential-arm64 g++-arm-linux-gnueabihf g++-i686-linux-gnu g++-s390x-linux-gnu
               qt6-base-dev:arm64 qt6-base-private-dev:arm64 libgl-dev:arm64)
    for arch in "${cross[@]}"; do packages+=("libgtest-dev:$arch"); done
fi
locales=(de_DE.UTF-8 tr_TR.UTF-8 fr_FR.UTF-8 es_ES.UTF-8)

as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Not root and no sudo: cannot run $*" >&2
        return 1
    fi
}

if [[ $task == test ]]; then
    for arch in "${cross[@]}"; do
        dpkg --print-foreign-architectures | grep -qx "$arch" || as_root dpkg --add-architecture "$arch"
    done
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [[ $(id -u) -ne 0 ]] && ! command -v sudo >/dev/null; then
        echo "Not root and no sudo here. As root, run:" >&2
        echo "  apt-get update && apt-get install ${missing[*]}" >&2
        exit 1
    fi
    as_root apt-get -o DPkg::Lock::Timeout=600 update -qq || { echo "apt-get update failed (see above)" >&2; exit 1; }
    # Name what apt does not know, rather than letting one unknown name look
    # like a failure of the whole install.
    unknown=()
    for p in "${missing[@]}"; do
        apt-cache show "$p" >/dev/null 2>&1 || unknown+=("$p")
    done
    if ((${#unknown[@]})); then
        echo "This release's archive has no package: ${unknown[*]}" >&2
        echo "The rest, as root: apt-get install $(printf '%s\n' "${missing[@]}" | grep -vxF -f <(printf '%s\n' "${unknown[@]}") | tr '\n' ' ')" >&2
        exit 1
    fi
    log=$(mktemp)
    # Waits for another apt on a shared machine rather than failing at once.
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
            --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
        tail -n 25 "$log" >&2
        rm -f "$log"
        echo "apt-get install failed (its last lines are above). To retry by hand:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        exit 1
    fi
    rm -f "$log"
fi

if [[ $task == test ]]; then
    need=()
    for l in "${locales[@]}"; do
        locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || need+=("$l")
    done
    if ((${#need[@]})); then
        for l in "${need[@]}"; do
            as_root sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen ||
                { echo "Cannot generate locales here. As root: locale-gen ${need[*]}" >&2; exit 1; }
            grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
        done
        as_root locale-gen >/dev/null
    fi
fi
