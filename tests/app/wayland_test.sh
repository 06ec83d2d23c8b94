#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program as a native Wayland client, under weston's headless backend: it
# stays up, shows its window under the desktop's app id, and ends with code 0
# on SIGTERM. When the compositor goes away it ends with one line, no core.
#   wayland_test.sh <mensaro>
source "$(dirname "$0")/../lib.sh"
program=$1
weston --backend=headless-backend.so --socket=mensaro-test --idle-time=0 --no-config >"$scratch/weston.log" 2>&1 &
weston=$!
pids+=("$weston")
wait_for 10 test -S "$scratch/mensaro-test" || { cat "$scratch/weston.log"; fail "weston did not start"; finish; }
export WAYLAND_DISPLAY=mensaro-test QT_QPA_PLATFORM=wayland
unset DISPLAY

protocol=$scratch/protocol.log
WAYLAND_DEBUG=client "$program" 2>"$protocol" &
pid=$!
# Shown: the toplevel's surface has had a buffer attached. libwayland writes
# an object as xdg_toplevel@15 (Debian 12) or xdg_toplevel#15 (13). Waited
# for, as a loaded machine may take a while.
shown() { grep -q 'xdg_toplevel[@#]' "$protocol" && grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer[@#]' "$protocol"; }
wait_for 10 shown || fail "no window was shown"
grep -q 'set_app_id("org.mensaro.Mensaro")' "$protocol" || fail "no app id org.mensaro.Mensaro"
kill -TERM "$pid" || fail "the program did not stay up"
wait "$pid" || fail "SIGTERM ended the program with code $?, not 0"

"$program" 2>"$scratch/gone.log" &
pid=$!
sleep 1
kill "$weston"
wait "$pid"
rc=$?
# Qt 6.8 ends with exit(-1), code 255; a signal (128 + its number) is a crash.
[[ $rc -ne 0 && ($rc -lt 128 || $rc -eq 255) && $(grep -c . "$scratch/gone.log") -eq 1 ]] ||
    fail "with the compositor gone: code $rc, output: $(<"$scratch/gone.log")"
finish
