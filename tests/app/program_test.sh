#!/usr/bin/env bash
# The real program: it starts, runs, and ends cleanly (code 0) when the session
# asks it to with SIGTERM; with no display it says so in one line, code 1.
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

QT_QPA_PLATFORM=offscreen "$program" &
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

exit $failed
