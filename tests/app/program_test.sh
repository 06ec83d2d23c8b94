#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program ends with code 0 on SIGTERM; with no display it says so in
# one line, code 1; its command line answers without a display or a window.
#   program_test.sh <mensaro>
source "$(dirname "$0")/../lib.sh"
program=$1

# True once process $1 catches SIGTERM (bit 15 of SigCgt): it is up and ready
# to be asked to stop.
catches_term() {
    local mask
    mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) && (((16#${mask:-0} >> 14) & 1))
}

# Qt's own options still reach Qt.
"$program" -platform offscreen &
pid=$!
wait_for 10 catches_term "$pid" || fail "the program did not come up"
sleep 0.5
kill -TERM "$pid" || fail "the program did not keep running"
wait "$pid" || fail "SIGTERM ended the program with code $?, not 0"

output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
rc=$?
[[ $rc -eq 1 && $(grep -c . <<<"$output") -eq 1 && $output == *"no usable display"* ]] ||
    fail "without a display: code $rc, output: $output"

out=$scratch/out err=$scratch/err
for display in "" ":0"; do
    # option          code  stdout holds            stderr holds
    while read -r option code want_out want_err; do
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$display timeout 5 "$program" $option >"$out" 2>"$err"
        rc=$?
        [[ $rc -eq $code ]] || fail "$option (DISPLAY=$display): code $rc, not $code"
        [[ $want_out == - && ! -s $out || $want_out != - && $(<"$out") == *"${want_out//_/ }"* ]] ||
            fail "$option: stdout $(<"$out")"
        [[ $want_err == - && ! -s $err || $want_err != - && $(<"$err") == *"$want_err"* && $(wc -l <"$err") -eq 2 ]] ||
            fail "$option: stderr $(<"$err")"
    done <<'ROWS'
--help            0  Usage:               -
-h                0  --version            -
--version         0  Mensaro_1.00         -
--bogus           2  -                    '--bogus'
-platform         2  -                    -platform
-platform=xcb     2  -                    -platform
stray             2  -                    'stray'
--help=yes        2  -                    --help
ROWS
done
finish
