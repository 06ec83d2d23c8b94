#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What Orca says, from its speech log: a typed value's result once, with its
# unit, and nothing while the window sits idle. Run inside session.sh.
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
said=$(says_after 2 7)
[[ $(grep -c "17\.78" <<<"$said") -eq 1 && $said == *"17.78 Centimeter"* ]] ||
    fail "typing 7 (Inch to Centimeter) made Orca say: $said"
said=$(says_after 3)
[[ -z $said ]] || fail "Orca spoke while the window was idle: $said"
finish
