#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What only the real program shows: Qt's own options reach Qt, SIGTERM ends
# it with code 0, and with no display or no window module it says so in one
# line, code 1.
#   program_test.sh <mensaro>
source "$(dirname "$0")/../lib.sh"
program=$1
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

# True once process $1 runs the program and catches SIGTERM (bit 15 of
# SigCgt): it is up and ready to be asked to stop. (Until it starts the
# program, the process is a copy of this shell, which catches SIGTERM too.)
catches_term() {
    local mask
    [[ /proc/$1/exe -ef $program ]] &&
        mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) && (((16#${mask:-0} >> 14) & 1))
}

# With no display, only Qt's reading of -platform lets the window come up.
"${nodisplay[@]}" "$program" -platform offscreen &
pid=$!
wait_for 10 catches_term "$pid" || fail "the program did not come up"
kill -TERM "$pid" || fail "the program did not keep running"
wait "$pid" || fail "SIGTERM ended the program with code $?, not 0"

# One line and code 1: $1 names the case, $2 is what the line holds; the
# rest runs the program.
says_one_line() {
    local output rc
    output=$(timeout 10 "${@:3}" 2>&1)
    rc=$?
    [[ $rc -eq 1 && $(grep -c . <<<"$output") -eq 1 && $output == *"$2"* ]] || fail "$1: code $rc, output: $output"
}
says_one_line "without a display" "no usable display" "${nodisplay[@]}" "$program"
# Copied alone, away from its module.
mkdir "$scratch/bin"
cp "$program" "$scratch/bin/mensaro"
says_one_line "without its module" "mensaro: cannot load the window: " env DISPLAY=:0 "$scratch/bin/mensaro"
finish
