#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What Orca says, from its speech log: a typed value's result once, with its
# unit, and nothing while the window sits idle. Run inside session.sh.
set -uo pipefail
log=$HOME/orca.log
failed=0
fail() { echo "FAIL: $*"; failed=1; }
spoken() { grep -o "SPEECH OUTPUT: '[^']*'" "$log" 2>/dev/null | sed "s/SPEECH OUTPUT: //"; }

orca --replace --disable speech --debug-file="$log" --user-prefs "$HOME/orca" >/dev/null 2>&1 &
orca=$!
trap 'kill $orca 2>/dev/null' EXIT
# Orca is ready once it has spoken the window.
for _ in $(seq 300); do spoken | grep -q "Mensaro" && break; sleep 0.1; done
spoken | grep -q "Mensaro" || { echo "FAIL: Orca never spoke"; exit 1; }
sleep 2

xdotool key --delay 100 shift+Tab c  # the To list: Centimeter
sleep 2
before=$(spoken | wc -l)
xdotool key 7
sleep 2
said=$(spoken | tail -n +$((before + 1)))
[[ $(grep -c "17\.78" <<<"$said") -eq 1 ]] || fail "typing 7 (Inch to Centimeter) made Orca say: $said"
grep -q "17\.78 Centimeter" <<<"$said" || fail "the result was said without its unit: $said"

before=$(spoken | wc -l)
sleep 3
said=$(spoken | tail -n +$((before + 1)))
[[ -z $said ]] || fail "Orca spoke while the window was idle: $said"
[[ $failed -eq 0 ]] && echo "Orca said the result once and kept quiet while idle"
exit $failed
