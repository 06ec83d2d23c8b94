#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# On a real X server: while the window is unmapped or iconic nothing of the
# program wakes or paints; shown again, the result moves as before.
#   hidden_test.sh <mensaro> <pixels probe>
[[ -n ${MENSARO_X_READY:-} ]] || MENSARO_X_READY=1 exec bash "$(dirname "$0")/../../scripts/with-x.sh" 800x600x24 bash "$0" "$@"
source "$(dirname "$0")/../lib.sh"
QT_QPA_PLATFORM=xcb "$1" &
pids+=($!)
# state  seconds  wakeups/s at most  damage: moving or still
while read -r state seconds most damage; do
    read -r wakeups cpu pixels < <("$2" idle "${pids[0]}" "$state" "$seconds")
    awk -v w="${wakeups:-x}" -v m="$most" 'BEGIN { exit !(w <= m) }' && [[ $damage == still && $pixels == 0 ||
        $damage == moving && $pixels != 0 ]] || fail "$state: ${wakeups:-no} wakeups/s, ${pixels:-no} pixels/s painted"
done <<'ROWS'
focused   1.5  100  moving
unmapped  2    0.5  still
iconic    2    0.5  still
focused   1.5  100  moving
ROWS
finish
