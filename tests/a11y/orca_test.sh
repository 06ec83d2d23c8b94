#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What Orca says, from its speech log: each new result once, with its unit,
# and nothing while the window sits idle. Run inside session.sh.
source "$(dirname "$0")/../lib.sh"
log=$scratch/orca.log
spoken() { grep -o "SPEECH OUTPUT: '[^']*'" "$log" 2>/dev/null | sed "s/SPEECH OUTPUT: //"; }
# What Orca says in the $1 seconds after the keys that follow.
says_after() {
    local before
    before=$(spoken | wc -l)
    (($# > 1)) && xdotool key --delay 100 "${@:2}"
    sleep "$1"
    spoken | tail -n +$((before + 1))
}

# Speech stays on: Orca 48 drops announcements before its log without it. No
# speech server is needed; the debug log still records what would be said.
orca --replace --debug-file="$log" --user-prefs "$scratch/orca" >/dev/null 2>&1 &
pids+=($!)
# Orca is ready once it has spoken the window.
wait_for 30 eval 'spoken | grep -q Mensaro' || { fail "Orca never spoke"; finish; }
sleep 2
says_after 2 shift+Tab c >/dev/null  # the To list: Centimeter
# Each new result once, with its unit, whatever brought it; the value box
# keeps the keyboard after a list choice.
while IFS='|' read -r keys result; do
    before=$(spoken | wc -l)
    xdotool key --delay 100 $keys
    # Up to 30 s for the result (a key waits for Orca to let it through, up
    # to D-Bus's 25 s when Orca is slow), then 1.5 s more for a second time.
    # Orca writes its log in blocks; its echo of Shift pushes out the rest.
    wait_for 5 eval 'xdotool key shift; sleep 0.5; spoken | tail -n +$((before + 1)) | grep -qF "$result"'
    sleep 1.5
    xdotool key shift
    sleep 0.5
    said=$(spoken | tail -n +$((before + 1)))
    [[ $(grep -cF "$result" <<<"$said") -eq 1 ]] || fail "$keys made Orca say: $said"
done <<'ROWS'
7|17.78 Centimeter
Up|17.78254 Centimeter
Down|17.78 Centimeter
Escape|0 Centimeter
1|2.54 Centimeter
shift+Tab m|0.0254 Meter
shift+Tab shift+Tab shift+Tab w|1.00 Grain
ROWS
before=$(spoken | wc -l)
sleep 3
xdotool key shift
sleep 1
said=$(spoken | tail -n +$((before + 1)) | grep -v shift)
[[ -z $said ]] || fail "Orca spoke while the window was idle: $said"
finish
