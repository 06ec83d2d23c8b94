#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command on a private X server (Xvfb), which is stopped afterwards.
# The server picks its display itself (-displayfd) and names it only once it
# listens on every transport, so never a display another server still holds.
# xvfb-run -a picks by lock files alone: a server that is closing has given up
# its lock but may still hold its socket, and a client then reaches the old
# server, which refuses it.
#   scripts/with-x.sh WIDTHxHEIGHTxDEPTH COMMAND...
set -uo pipefail
[[ $# -ge 2 ]] || { echo "Usage: scripts/with-x.sh WIDTHxHEIGHTxDEPTH COMMAND..." >&2; exit 2; }
screen=$1
shift
dir=$(mktemp -d)
: >"$dir/display"
unset WAYLAND_DISPLAY  # the command's Qt finds this server, not the desktop's compositor
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$dir/display" >"$dir/log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT
# The number arrives as one line; a line not yet ended is not read.
number=
for _ in {1..300}; do
    read -r number <"$dir/display" && break
    number=
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
[[ -n $number ]] && kill -0 "$server" 2>/dev/null || { echo "with-x.sh: Xvfb did not start: $(tail -3 "$dir/log")" >&2; exit 1; }
DISPLAY=:$number "$@"
