#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes a picture of the running window on a private Xvfb server and writes it
# to docs/screenshot.png (or the path given), in the language of the
# environment; further arguments go to the program (--show 12 in cm).
# Builds the program if needed.
#   LANG=de_DE.UTF-8 scripts/screenshot.sh docs/screenshot-de.png --show 12 in cm
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
shift $(($# > 0))

for tool in Xvfb xdotool xdpyinfo import; do
    command -v "$tool" >/dev/null || { echo "needs $tool: apt-get install xvfb xdotool x11-utils imagemagick" >&2; exit 1; }
done
[[ -x build/default/app/mensaro ]] || bash scripts/build.sh build

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill ${app:-} $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORMTHEME= MENSARO_LOCALEDIR=$PWD/build/default/share/locale build/default/app/mensaro "$@" &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Mensaro$' | head -n 1)
sleep 0.5  # let the first paint land
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "wrote $out"
