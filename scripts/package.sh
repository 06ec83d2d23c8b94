#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a copy of this tree, so the build leaves the
# working tree as it was and its results land in one folder.
#   scripts/package.sh [output folder, default build/package]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$top/build/package}" && cd "${1:-$top/build/package}" && pwd)
# The package's version, as debian/changelog gives it (the `version` test
# holds its upstream part to project()'s).
version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
copy=$out/mensaro-${version%-*}

rm -rf "$copy" "$out"/mensaro_"$version"* "$out"/mensaro-dbgsym_"$version"*
mkdir "$copy"
tar -C "$top" --exclude=./build --exclude=./.git --exclude='./obj-*' --exclude=./.cache -cf - . | tar -C "$copy" -xf -
(cd "$copy" && dpkg-buildpackage -us -uc -b)
rm -rf "$copy"
echo "Built: $(cd "$out" && ls mensaro*_"$version"_*.deb | tr '\n' ' ')in $out"
