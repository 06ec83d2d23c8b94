#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the SVG icon into packaging/windows/mensaro.ico (run after changing
# the icon; needs librsvg2-bin and imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sizes=(16 24 32 48 64 128 256)
for s in "${sizes[@]}"; do
    rsvg-convert -w "$s" -h "$s" packaging/icons/org.mensaro.Mensaro.svg -o "$tmp/$s.png"
done
pngs=()
for s in "${sizes[@]}"; do pngs+=("$tmp/$s.png"); done
convert "${pngs[@]}" packaging/windows/mensaro.ico
echo "wrote packaging/windows/mensaro.ico"
