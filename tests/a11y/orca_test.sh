#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What Orca says, from its speech log: each new result once, with its unit,
# and nothing while the window sits idle. Run inside session.sh.
source "$(dirname "$0")/../lib.sh"
log=$scratch/orca.log
spoken() { grep -o "SPEECH OUTPUT: '[^']*'" "$log" 2>/dev/null | sed "s/SPEECH OUTPUT: //"; }
# Orca writes its log in blocks; the echo of each Shift it is shown pushes out
# what waits, so each look at the log presses one first.
# True once Orca has said $2 after the first $1 lines of its log.
said_since() { xdotool key shift; spoken | tail -n +$(($1 + 1)) | grep -qF -- "$2"; }
# Waits until Orca has nothing more to say: in a round, a Shift is pressed
# until Orca's echo of it is in the log; once a round has passed with nothing
# else said, what Orca had to say is in the log (it answers keys at once, but
# what the window tells it only when idle, so one round is not enough).
settle() {
    local echoes said=
    for _ in {1..10}; do
        echoes=$(spoken | grep -c shift)
        wait_for 10 eval '(($(xdotool key shift; spoken | grep -c shift) > echoes))' || return
        [[ $said == $(spoken | grep -vc shift) ]] && return
        said=$(spoken | grep -vc shift)
    done
}

# Speech stays on: Orca 48 drops announcements before its log without it.
# No speech server is used, installed or not (a speech-dispatcher started
# with no sound device stalls Orca 48, and would outlive the test); the
# debug log still records what would be said.
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
    wait_for 30 said_since "$before" "$result"
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
