#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What Orca says, from its speech log: each new result once, nothing while idle; a window opened at a conversion
# says that one alone.   orca_test.sh <mensaro binary>, run inside session.sh.
source "$(dirname "$0")/../lib.sh"
spoken() { grep -o "SPEECH OUTPUT: '[^']*'" "$scratch/orca.log" 2>/dev/null | sed "s/SPEECH OUTPUT: //"; }
# Orca's echo of the Shift key, a whole utterance in its own language: "left shift", German "Umschalt links".
key_echoes() { grep -i -x -E "$@" "'((left|right|links|rechts) )?(shift|umschalt)( (left|right|links|rechts))? ?'"; }
# Orca logs in blocks, which a Shift's echo pushes out: all is said once that echo shows and no more came since.
settle() {
    local echoes said=
    for _ in {1..10}; do
        echoes=$(spoken | key_echoes -c)
        wait_for 10 eval '(($(xdotool key shift; spoken | key_echoes -c) > echoes))' || return
        [[ $said == $(spoken | key_echoes -vc) ]] && return
        said=$(spoken | key_echoes -vc)
    done
}

# No speech server (one without a sound device stalls Orca); speech stays on, or Orca 48 logs no announcement.
SPEECHD_ADDRESS=unix_socket:$scratch/no-speech-server SPEECHD_CMD=/bin/false \
    orca --replace --debug-file="$scratch/orca.log" --user-prefs "$scratch/orca" >/dev/null 2>&1 &
pids+=($!)
wait_for 30 eval 'spoken | grep -q Mensaro' || { fail "Orca never spoke the window"; finish; }
settle
# Whatever brought it (the value box keeps the keys after a list choice); a key waits for Orca, up to D-Bus's 25 s.
# In a German session the result is told with the German unit name, once.
rows() {
    if [[ ${LANG:-} == de_* ]]; then
        printf '%s\n' 'key --delay 100 shift+Tab z|2.54 Zentimeter' 'key 7|17.78 Zentimeter' 'key Escape|0 Zentimeter'
    else
        cat
    fi
}
while IFS='|' read -r sent result; do
    before=$(spoken | wc -l)
    xdotool $sent
    wait_for 30 eval 'xdotool key shift; spoken | tail -n +$((before + 1)) | grep -qF "$result"'
    settle
    said=$(spoken | tail -n +$((before + 1)) | key_echoes -v)
    [[ -n $result && $(grep -cF "$result" <<<"$said") -eq 1 || -z $result$said ]] || fail "$sent made Orca say: $said"
done < <(rows <<'ROWS'
key --delay 100 shift+Tab c|2.54 Centimeter
key 7|17.78 Centimeter
key Up|17.78254 Centimeter
key Escape|0 Centimeter
key 1|2.54 Centimeter
key --delay 100 shift+Tab m|0.0254 Meter
key --delay 100 shift+Tab shift+Tab shift+Tab w|1.00 Grain
sleep 3|
ROWS
)
[[ ${LANG:-} == de_* ]] && centimeter=Zentimeter || centimeter=Centimeter
before=$(spoken | wc -l)
"$1" --show 12 in cm & pids+=($!)
wait_for 30 eval 'xdotool key shift; spoken | tail -n +$((before + 1)) | grep -q "$centimeter"' && settle
said=$(spoken | tail -n +$((before + 1)) | key_echoes -v)
[[ $(grep -c '[0-9] [A-Z]' <<<"$said") -eq 1 && $said == *"30.48 $centimeter"* ]] || fail "--show made Orca say: $said"
finish
