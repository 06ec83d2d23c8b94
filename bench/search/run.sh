#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The search service as the desktop calls it, on a private session bus that
# starts it from the build tree's registration (search/share): a cold search
# (activation and answer), then warm ones, with a call the bus answers itself
# as the floor. Writes search.json under build/default/bench.
#   bench/search/run.sh [--short]
set -euo pipefail
cd "$(dirname "$0")/../.."
export LC_ALL=C
rounds=20 calls=2000
if [[ ${1:-} == --short ]]; then
    rounds=2 calls=20
fi
build=build/default
client=$build/bench/search_client
[[ -x $client && -d $build/search/share ]] || { echo "search: build first (scripts/build.sh build)" >&2; exit 1; }
command -v dbus-run-session >/dev/null || { echo "search: dbus-run-session missing (scripts/setup.sh bench installs it)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Only the build tree's services, and none of the user's.
XDG_DATA_DIRS=$PWD/$build/search/share XDG_DATA_HOME=$work dbus-run-session -- "$client" "$rounds" "$calls" \
    >"$work/times" 2>"$work/bus.log" || { cat "$work/bus.log" >&2; exit 1; }

mkdir -p "$build/bench"
/usr/bin/python3 - "$work/times" "$build/bench/search.json" <<'PY'
import json, statistics, sys
times = {}
for line in open(sys.argv[1]):
    name, ns = line.split()
    times.setdefault(name, []).append(int(ns) / 1e6)

def p90(values):
    return sorted(values)[int(len(values) * 0.9)]

figures = {"cold_rounds": len(times["cold"]), "warm_calls": len(times["warm"]),
           "cold_ms": statistics.median(times["cold"]), "cold_max_ms": max(times["cold"]),
           "warm_ms": statistics.median(times["warm"]), "warm_p90_ms": p90(times["warm"]),
           "runner_ms": statistics.median(times["runner"]), "bus_ms": statistics.median(times["bus"])}
json.dump(figures, open(sys.argv[2], "w"), indent=1)
print(f"cold search (median of {figures['cold_rounds']}): {figures['cold_ms']:.1f} ms, at most {figures['cold_max_ms']:.1f} ms")
print(f"warm search (median / p90 of {figures['warm_calls']}): {figures['warm_ms']:.3f} / {figures['warm_p90_ms']:.3f} ms; "
      f"KRunner's Match {figures['runner_ms']:.3f} ms; a call the bus answers {figures['bus_ms']:.3f} ms")
PY
