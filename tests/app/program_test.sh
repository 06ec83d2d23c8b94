#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Qt's own options reach Qt, SIGTERM ends with 0; no display or window module: one line, code 1.
#   program_test.sh <mensaro>
source "$(dirname "$0")/../lib.sh"
program=$1
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

# Up once it runs the program and catches SIGTERM (bit 15 of SigCgt; the shell's fork catches it too).
catches_term() {
    local mask
    [[ /proc/$1/exe -ef $program ]] && mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) &&
        (((16#${mask:-0} >> 14) & 1))
}
# With no display, only Qt's reading of -platform lets the window come up.
"${nodisplay[@]}" "$program" -platform offscreen &
pid=$!
wait_for 10 catches_term "$pid" || fail "the program did not come up"
kill -TERM "$pid" || fail "the program did not keep running"
wait "$pid" || fail "SIGTERM ended the program with code $?, not 0"

# Without a display; copied alone, away from its module.
install -D "$program" "$scratch/bin/mensaro"
while IFS='|' read -r want display binary; do
    output=$(timeout 10 "${nodisplay[@]}" $display "$binary" 2>&1)
    rc=$?
    [[ $rc -eq 1 && $(grep -c . <<<"$output") -eq 1 && $output == *"$want"* ]] || fail "$binary $display: code $rc, output: $output"
done <<ROWS
no usable display||$program
mensaro: cannot load the window: |DISPLAY=:0|$scratch/bin/mensaro
ROWS
finish
