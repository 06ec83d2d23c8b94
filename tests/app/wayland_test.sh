#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program as a native Wayland client, under weston's headless backend: it
# stays up, shows its window under the desktop's app id, and ends with code 0
# on SIGTERM. When the compositor goes away it ends with one line, no core.
set -uo pipefail
program=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
weston_pid=
trap 'kill $weston_pid 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

start_weston() {
    weston --backend=headless-backend.so --socket=mensaro-test --idle-time=0 --no-config \
        >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/mensaro-test ]] && return 0; sleep 0.1; done
    cat "$XDG_RUNTIME_DIR/weston.log"
    return 1
}
start_weston || { echo "FAIL: weston did not start"; exit 1; }
export WAYLAND_DISPLAY=mensaro-test QT_QPA_PLATFORM=wayland
unset DISPLAY

WAYLAND_DEBUG=client "$program" 2>"$XDG_RUNTIME_DIR/protocol.log" &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program did not stay up"
grep -q 'set_app_id("org.mensaro.Mensaro")' "$XDG_RUNTIME_DIR/protocol.log" || fail "no app id org.mensaro.Mensaro"
# Shown: the toplevel's surface has had a buffer attached and committed.
grep -q 'xdg_toplevel@' "$XDG_RUNTIME_DIR/protocol.log" &&
    grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$XDG_RUNTIME_DIR/protocol.log" || fail "no window was shown"
kill -TERM "$pid"
wait "$pid"
rc=$?
[[ $rc -eq 0 ]] || fail "SIGTERM ended the program with code $rc, not 0"

"$program" 2>"$XDG_RUNTIME_DIR/gone.log" &
pid=$!
sleep 1
kill "$weston_pid"
wait "$weston_pid"
wait "$pid"
rc=$?
lines=$(grep -c . "$XDG_RUNTIME_DIR/gone.log")
[[ $rc -ne 0 && $rc -lt 128 && $lines -eq 1 ]] ||
    fail "with the compositor gone: code $rc, output: $(cat "$XDG_RUNTIME_DIR/gone.log")"

exit $failed
