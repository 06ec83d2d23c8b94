#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what Mensaro needs to build, run and test on Debian 12, and
# generates the locales the tests run under. Safe to run again: it only
# installs what is missing. Usage: scripts/setup.sh [build|package|bench|test]
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev librsvg2-bin
    fonts-liberation2 fontconfig qt6-wayland
)
if [[ "${1:-build}" == package || "${1:-build}" == test ]]; then
    packages+=(dpkg-dev debhelper)
fi
if [[ "${1:-build}" == bench ]]; then
    packages+=(libbenchmark-dev libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev xvfb xauth x11-utils python3 units hyperfine)
fi
if [[ "${1:-build}" == test ]]; then
    packages+=(libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev libgtest-dev libbenchmark-dev locales clang-14 libclang-rt-14-dev
               dpkg-dev file desktop-file-utils appstream binutils-mingw-w64-x86-64
               clang-format clang-tidy bash-completion
               lintian devscripts reuse mandoc groff-base weston qt6-wayland
               xvfb xauth x11-utils xdotool xclip dbus-x11 at-spi2-core python3-pyatspi orca)
fi
locales=(de_DE.UTF-8 tr_TR.UTF-8)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        return 1
    fi
}

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if ! { as_root apt-get update -qq && as_root env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
        echo "Cannot install packages here. Run as root, then try again:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        exit 1
    fi
fi

if [[ "${1:-build}" == test ]]; then
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
