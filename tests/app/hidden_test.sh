#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# On a real X server: while the window is unmapped or iconic nothing of the
# program wakes or paints; shown again, the result moves as before.
#   hidden_test.sh <mensaro> <pixels probe>
set -uo pipefail
[[ -n ${MENSARO_X_READY:-} ]] || MENSARO_X_READY=1 exec xvfb-run -a -s "-screen 0 800x600x24" bash "$0" "$@"
program=$1
probe=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }
export XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=xcb
trap 'kill $pid 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
"$program" &
pid=$!

# state  seconds  wakeups/s at most  damage: moving or still
while read -r state seconds most damage; do
    read -r wakeups cpu pixels < <("$probe" idle "$pid" "$state" "$seconds")
    [[ -n ${pixels:-} ]] || { fail "no figures for $state"; continue; }
    awk -v w="$wakeups" -v m="$most" 'BEGIN { exit !(w <= m) }' || fail "$state: $wakeups wakeups/s"
    if [[ $damage == still ]]; then
        [[ $pixels == 0 ]] || fail "$state: $pixels pixels/s painted"
    else
        [[ $pixels != 0 ]] || fail "$state: the result did not move"
    fi
done <<'ROWS'
focused   1.5  100  moving
unmapped  2    0.5  still
iconic    2    0.5  still
focused   1.5  100  moving
ROWS
exit $failed
