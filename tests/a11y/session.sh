#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A private desktop for the screen-reader tests: its own D-Bus session (the
# AT-SPI bus starts on demand inside it), its own X server, and the program
# with its accessibility bridge on. Runs the given command against it and
# ends everything it started.
#   session.sh <mensaro binary> <command...>
set -uo pipefail
if [[ -z ${MENSARO_A11Y_SESSION:-} ]]; then
    MENSARO_A11Y_SESSION=1 dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@" 2>&1 | grep --line-buffered -v -e '^dbus-daemon' -e 'SpiRegistry daemon'
    exit "${PIPESTATUS[0]}"
fi
program=$1
shift
export HOME=$(mktemp -d) XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait "${pids[@]}" 2>/dev/null; rm -rf "$HOME" "$XDG_RUNTIME_DIR"' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$program" &
pids+=($!)
# Up once the window exists and has the keyboard.
for _ in $(seq 100); do xdotool search --name '^Mensaro$' >/dev/null 2>&1 && break; sleep 0.1; done
sleep 0.5
MENSARO_PID=${pids[0]} "$@"
rc=$?
kill -0 "${pids[0]}" 2>/dev/null || { echo "FAIL: the program is gone"; rc=1; }
exit $rc
