#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A native Wayland client under weston's headless backend: its window shown under the desktop's app id, code 0
# on SIGTERM, and one line, no core, when the compositor goes away.
#   wayland_test.sh <mensaro>
source "$(dirname "$0")/../lib.sh"
weston --backend=headless-backend.so --socket=mensaro-test --idle-time=0 --no-config >"$scratch/weston.log" 2>&1 &
pids+=($!)
wait_for 10 test -S "$scratch/mensaro-test" || { cat "$scratch/weston.log"; fail "weston did not start"; finish; }
export WAYLAND_DISPLAY=mensaro-test QT_QPA_PLATFORM=wayland
unset DISPLAY

# Until the toplevel's surface has a buffer; libwayland writes xdg_toplevel@15 (Debian 12) or #15 (13).
shown() { grep -q 'xdg_toplevel[@#]' "$1" && grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer[@#]' "$1"; }
for log in "$scratch/protocol.log" "$scratch/gone.log"; do
    WAYLAND_DEBUG=client "$1" 2>"$log" &
    apps+=($!)
    wait_for 10 shown "$log" || fail "no window was shown"
done
grep -q 'set_app_id("org.mensaro.Mensaro")' "$scratch/protocol.log" || fail "no app id org.mensaro.Mensaro"
kill -TERM "${apps[0]}" || fail "the program did not stay up"
wait "${apps[0]}" || fail "SIGTERM ended the program with code $?, not 0"
kill "${pids[0]}"
wait "${apps[1]}"
rc=$?
# What it said, but libwayland's lines ("[1234.567] ..."); Qt 6.8 exits with 255, a signal (128 + n) is a crash.
# One thing said: Qt's event thread and main thread may each see the broken connection and say it once.
said=$(grep -v '^\[ *[0-9.]*\]' "$scratch/gone.log" | sort -u)
[[ $rc -ne 0 && ($rc -lt 128 || $rc -eq 255) && $(grep -c . <<<"$said") -eq 1 ]] ||
    fail "with the compositor gone: code $rc, output: $said"
finish
