#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What Orca says, from its speech log: each new result once, with its unit,
# and nothing while the window sits idle. Run inside session.sh.
source "$(dirname "$0")/../lib.sh"
log=$scratch/orca.log
spoken() { grep -o "SPEECH OUTPUT: '[^']*'" "$log" 2>/dev/null | sed "s/SPEECH OUTPUT: //"; }
# Orca writes its log in blocks, and the echo of a Shift pushes out what
# waits: each look at the log presses one first. Waits until Orca has nothing
# more to say: a Shift's echo is in the log, with nothing else said since the
# round before (Orca answers keys at once, but what the window tells it only
# when idle, so one round is not enough).
settle() {
    local echoes said=
    for _ in {1..10}; do
        echoes=$(spoken | grep -c shift)
        wait_for 10 eval '(($(xdotool key shift; spoken | grep -c shift) > echoes))' || return
        [[ $said == $(spoken | grep -vc shift) ]] && return
        said=$(spoken | grep -vc shift)
    done
}

# Speech stays on (Orca 48 logs no announcements without it), with no speech
# server, installed or not: one with a synthesizer but no sound device stalls
# Orca and outlives the test. The debug log records what would be said.
SPEECHD_ADDRESS=unix_socket:$scratch/no-speech-server SPEECHD_CMD=/bin/false \
    orca --replace --debug-file="$log" --user-prefs "$scratch/orca" >/dev/null 2>&1 &
pids+=($!)
# Orca is ready once it has spoken the window.
wait_for 30 eval 'spoken | grep -q Mensaro' || { fail "Orca never spoke"; finish; }
settle
# Each new result once, with its unit, whatever brought it; the value box
# keeps the keyboard after a list choice.
while IFS='|' read -r keys result; do
    before=$(spoken | wc -l)
    xdotool key --delay 100 $keys
    # Up to 30 s for the result: a key waits for Orca to let it through, up to
    # D-Bus's 25 s when Orca is slow.
    wait_for 30 eval 'xdotool key shift; spoken | tail -n +$((before + 1)) | grep -qF "$result"'
    settle
    said=$(spoken | tail -n +$((before + 1)) | grep -v shift)
    [[ $(grep -cF "$result" <<<"$said") -eq 1 ]] || fail "$keys made Orca say: $said"
done <<'ROWS'
shift+Tab c|2.54 Centimeter
7|17.78 Centimeter
Up|17.78254 Centimeter
Down|17.78 Centimeter
Escape|0 Centimeter
1|2.54 Centimeter
shift+Tab m|0.0254 Meter
shift+Tab shift+Tab shift+Tab w|1.00 Grain
ROWS
# Idle for a while, its result moving all the time: that time is the check.
before=$(spoken | wc -l)
sleep 3
settle
said=$(spoken | tail -n +$((before + 1)) | grep -v shift)
[[ -z $said ]] || fail "Orca spoke while the window was idle: $said"
finish
