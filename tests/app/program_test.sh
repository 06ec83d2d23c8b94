#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program: it starts, runs, and ends cleanly (code 0) when the session
# asks it to with SIGTERM; with no display it says so in one line, code 1; its
# command line needs no display and opens no window by mistake.
set -uo pipefail
program=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# True once the process catches SIGTERM (bit 15 of SigCgt): it is up and
# ready to be asked to stop. Waits up to ten seconds.
wait_until_listening() {
    for _ in $(seq 100); do
        local mask
        mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 1
        [[ -n $mask ]] && (( (16#$mask >> 14) & 1 )) && return 0
        sleep 0.1
    done
    return 1
}

# Qt's own options still reach Qt.
"$program" -platform offscreen &
pid=$!
wait_until_listening "$pid" || fail "the program did not come up"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the program did not keep running"
kill -TERM "$pid"
wait "$pid"
rc=$?
[[ $rc -eq 0 ]] || fail "SIGTERM ended the program with code $rc, not 0"

output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
rc=$?
[[ $rc -eq 1 ]] || fail "without a display the exit code was $rc, not 1"
lines=$(grep -c . <<<"$output")
[[ $lines -eq 1 && $output == *"no usable display"* ]] || fail "without a display it printed: $output"

# The command line, with and without a display: answers at once, never a window.
for display in "" ":0"; do
    run() { env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=$display timeout 5 "$program" "$@" >"$tmp/out" 2>"$tmp/err"; }
    tmp=$(mktemp -d)
    # option          code  stdout holds            stderr holds
    while read -r option code out err; do
        out=${out//_/ }
        run $option
        rc=$?
        [[ $rc -eq $code ]] || fail "$option (DISPLAY=$display): code $rc, not $code"
        [[ $out == - && ! -s $tmp/out || $out != - && $(<"$tmp/out") == *"$out"* ]] || fail "$option: stdout $(<"$tmp/out")"
        [[ $err == - && ! -s $tmp/err || $err != - && $(<"$tmp/err") == *"$err"* && $(wc -l <"$tmp/err") -eq 2 ]] ||
            fail "$option: stderr $(<"$tmp/err")"
    done <<'ROWS'
--help            0  Usage:               -
-h                0  --version            -
--version         0  Mensaro_1.00         -
--bogus           2  -                    '--bogus'
-platform         2  -                    -platform
stray             2  -                    'stray'
--help=yes        2  -                    --help
ROWS
    rm -rf "$tmp"
done

exit $failed
