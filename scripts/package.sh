#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian source and binary packages from a copy of this tree, so
# the build leaves the working tree as it was and its results land in one
# folder. The upstream tarball is the tree without debian/, made the same way
# each time; dpkg-buildpackage makes the source package from it and the copy,
# then the binary ones. Options after the folder go to dpkg-buildpackage
# (-aarm64 -B -Pcross,nocheck: arm64's binary packages, cross-built).
#   scripts/package.sh [output folder, default build/package] [dpkg-buildpackage options]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$top/build/package}" && cd "${1:-$top/build/package}" && pwd)
shift $(($# ? 1 : 0))
# The package's version, as debian/changelog gives it (the `version` test
# holds its upstream part to project()'s), and its date for the tarball's.
version=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)
date=$(dpkg-parsechangelog -l "$top/debian/changelog" -S Timestamp)
upstream=mensaro-${version%-*}
copy=$out/$upstream

rm -rf "$copy" "$out"/mensaro_"${version%-*}"* "$out"/mensaro-dbgsym_"$version"*
mkdir "$copy"
tar -C "$top" --exclude=./build --exclude=./.git --exclude='./obj-*' --exclude=./.cache -cf - . | tar -C "$copy" -xf -
tar -C "$out" --exclude="$upstream/debian" --sort=name --mtime="@$date" --owner=0 --group=0 --numeric-owner \
    --pax-option=exthdr.name=%d/PaxHeaders/%f,delete=atime,delete=ctime -cf - "$upstream" |
    xz -T1 >"$out/mensaro_${version%-*}.orig.tar.xz"
(cd "$copy" && dpkg-buildpackage -us -uc "$@")
rm -rf "$copy"
echo "Built: $(cd "$out" && ls mensaro*_"$version"* | tr '\n' ' ')in $out"
