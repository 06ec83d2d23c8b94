#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A private D-Bus session (the AT-SPI bus starts on demand in it) and X server, the program in them with its
# accessibility bridge on, and the command run against it.   session.sh <mensaro binary> <command...>
if [[ -z ${MENSARO_A11Y_SESSION:-} ]]; then
    MENSARO_A11Y_SESSION=1 dbus-run-session -- bash "$(dirname "$0")/../../scripts/with-x.sh" 1024x768x24 "$0" "$@" 2>&1 |
        grep --line-buffered -v -e '^dbus-daemon' -e 'SpiRegistry daemon'
    exit "${PIPESTATUS[0]}"
fi
source "$(dirname "$0")/../lib.sh"
export HOME=$scratch QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
"$1" &
pids+=($!)
wait_for 10 eval '[[ $(xdotool getwindowfocus getwindowname 2>/dev/null) == Mensaro ]]' || fail "the window never had the keyboard"
"${@:2}" || failed=1
kill -0 "${pids[0]}" 2>/dev/null || fail "the program is gone"
finish
