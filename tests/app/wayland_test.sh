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

# Starts the program with its protocol log in $1 and waits until its window
# is shown: the toplevel's surface has had a buffer attached. libwayland
# writes an object as xdg_toplevel@15 (Debian 12) or xdg_toplevel#15 (13).
shown() { grep -q 'xdg_toplevel[@#]' "$1" && grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer[@#]' "$1"; }
start() {
    WAYLAND_DEBUG=client "$program" 2>"$1" &
    pid=$!
    wait_for 10 shown "$1" || fail "no window was shown"
}

start "$scratch/protocol.log"
grep -q 'set_app_id("org.mensaro.Mensaro")' "$scratch/protocol.log" || fail "no app id org.mensaro.Mensaro"
kill -TERM "$pid" || fail "the program did not stay up"
wait "$pid" || fail "SIGTERM ended the program with code $?, not 0"

start "$scratch/gone.log"
kill "$weston"
wait "$pid"
rc=$?
# What the program said, without libwayland's protocol lines ("[1234.567] ...").
said=$(grep -v '^\[ *[0-9.]*\]' "$scratch/gone.log")
# Qt 6.8 ends with exit(-1), code 255; a signal (128 + its number) is a crash.
[[ $rc -ne 0 && ($rc -lt 128 || $rc -eq 255) && $(grep -c . <<<"$said") -eq 1 ]] ||
    fail "with the compositor gone: code $rc, output: $said"
finish
