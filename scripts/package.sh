#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a copy of this tree, so the build leaves the
# working tree as it was and its results land in one folder.
#   scripts/package.sh [output folder, default build/package]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$top/build/package}" && cd "${1:-$top/build/package}" && pwd)

rm -rf "$out/mensaro-1.00" "$out"/mensaro_1.00-1* "$out"/mensaro-dbgsym_1.00-1*
mkdir "$out/mensaro-1.00"
tar -C "$top" --exclude=./build --exclude=./.git --exclude='./obj-*' --exclude=./.cache -cf - . |
    tar -C "$out/mensaro-1.00" -xf -
(cd "$out/mensaro-1.00" && dpkg-buildpackage -us -uc -b)
rm -rf "$out/mensaro-1.00"
echo "Built: $(cd "$out" && ls mensaro*_1.00-1_*.deb | tr '\n' ' ')in $out"
