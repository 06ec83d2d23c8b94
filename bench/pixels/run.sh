#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Key to pixels and idle cost, Mensaro against its floors, on a private Xvfb.
# Each round starts each program afresh, in alternating order. Prints the
# tables and writes them as JSON (build/default/bench/pixels.json, idle.json).
#   bench/pixels/run.sh [rounds] [presses per key] [idle seconds per state]
#   bench/pixels/run.sh --short      one quick round, to prove it still works
set -euo pipefail
cd "$(dirname "$0")/../.."
if [[ ${1:-} == --short ]]; then set -- 1 5 1; fi
rounds=${1:-5}
presses=${2:-100}
seconds=${3:-5}
build=build/default
mensaro=$build/app/mensaro
echo_floor=$build/bench/pixels_echo
bare_floor=$build/bench/startup_floor
probe=$build/bench/pixels_probe
for tool in "$mensaro" "$echo_floor" "$bare_floor" "$probe"; do
    [[ -x $tool ]] || { echo "pixels: $tool is not built (scripts/build.sh build)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "pixels: Xvfb is not installed (package xvfb)" >&2; exit 1; }
# On a private X server of its own.
[[ -n ${MENSARO_X_READY:-} ]] || MENSARO_X_READY=1 exec bash scripts/with-x.sh 1280x1024x24 bash bench/pixels/run.sh "$@"
export LC_ALL=C

work=$(mktemp -d)
children=()
cleanup() {
    for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb

# One round of one measure: Mensaro and its floor, each started afresh, the
# order alternating by round; each line the probe prints is tagged with the
# round, the program and the case.
#   measure <round> <floor> <keys|idle> <argument> <cases...>
measure() {
    local round=$1 floor=$2 mode=$3 argument=$4
    shift 4
    local order=("$floor" "$mensaro")
    ((round % 2)) || order=("$mensaro" "$floor")
    for program in "${order[@]}"; do
        local name=floor
        [[ $program == "$mensaro" ]] && name=mensaro
        "$program" >/dev/null 2>&1 &
        local pid=$!
        children+=("$pid")
        for case in "$@"; do
            "$probe" "$mode" "$pid" "$case" "$argument" | sed "s/^/$round $name $case /" >>"$work/$mode"
        done
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null || true
    done
}

for round in $(seq "$rounds"); do
    measure "$round" "$echo_floor" keys "$presses" digit up esc unit
    measure "$round" "$bare_floor" idle "$seconds" focused unfocused unmapped iconic
done

mkdir -p "$build/bench"
awk -v json="$build/bench/pixels.json" -v rounds="$rounds" -v presses="$presses" '
function sort(a, n,   i, j, t) { for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t } }
function pick(a, n, q) { return a[int((n - 1) * q) + 1] }
function stats(key, out,   n, i, v) {
    n = split(values[key], v, " "); for (i = 1; i <= n; i++) v[i] += 0; sort(v, n)
    out["median"] = pick(v, n, 0.5) / 1000; out["p90"] = pick(v, n, 0.9) / 1000
}
{ values[$2 " " $3] = values[$2 " " $3] " " $4; values[$2 " " $3 " " $1] = values[$2 " " $3 " " $1] " " $4 }
END {
    printf "key press to first damage, ms (median / p90), %d rounds of %d presses\n", rounds, presses
    printf "%-6s %16s %16s %7s   per round: ratio of medians\n", "key", "mensaro", "floor", "ratio"
    printf "{\n  \"rounds\": %d, \"presses\": %d,\n  \"keys\": {", rounds, presses > json
    split("digit up esc unit", kinds, " ")
    for (k = 1; k <= 4; k++) {
        kind = kinds[k]; stats("mensaro " kind, m); stats("floor " kind, f)
        line = ""; perRound = ""
        for (r = 1; r <= rounds; r++) {
            stats("mensaro " kind " " r, mr); stats("floor " kind " " r, fr)
            line = line sprintf(" %.2f", mr["median"] / fr["median"])
            sep = r > 1 ? ", " : ""
            perRound = perRound sprintf("%s%.3f", sep, mr["median"] / fr["median"])
        }
        printf "%-6s %7.3f / %6.3f %7.3f / %6.3f %6.2fx  %s\n", kind, m["median"], m["p90"], f["median"], f["p90"], m["median"] / f["median"], line
        sep = k > 1 ? "," : ""
        printf "%s\n    \"%s\": {\"mensaro_median_ms\": %.4f, \"mensaro_p90_ms\": %.4f, \"floor_median_ms\": %.4f, \"floor_p90_ms\": %.4f, \"ratio\": %.4f, \"ratio_per_round\": [%s]}", sep, kind, m["median"], m["p90"], f["median"], f["p90"], m["median"] / f["median"], perRound > json
    }
    printf "\n  }\n}\n" > json
}' "$work/keys"

awk -v json="$build/bench/idle.json" -v seconds="$seconds" '
{ n[$2 " " $3]++; w[$2 " " $3] += $4; c[$2 " " $3] += $5; d[$2 " " $3] += $6 }
END {
    printf "\nidle, mean over rounds of %s s each: wakeups/s, CPU ms/s, damaged pixels/s\n", seconds
    printf "%-10s %28s %28s\n", "state", "mensaro", "bare window"
    printf "{\n  \"seconds\": %s,\n  \"idle\": {", seconds > json
    split("focused unfocused unmapped iconic", states, " ")
    for (s = 1; s <= 4; s++) {
        st = states[s]; mk = "mensaro " st; fk = "floor " st
        printf "%-10s %8.2f %8.3f %10.0f %8.2f %8.3f %10.0f\n", st, w[mk] / n[mk], c[mk] / n[mk], d[mk] / n[mk], w[fk] / n[fk], c[fk] / n[fk], d[fk] / n[fk]
        sep = s > 1 ? "," : ""
        printf "%s\n    \"%s\": {\"mensaro\": {\"wakeups_per_s\": %.3f, \"cpu_ms_per_s\": %.4f, \"damage_px_per_s\": %.1f}, \"floor\": {\"wakeups_per_s\": %.3f, \"cpu_ms_per_s\": %.4f, \"damage_px_per_s\": %.1f}}", sep, st, w[mk] / n[mk], c[mk] / n[mk], d[mk] / n[mk], w[fk] / n[fk], c[fk] / n[fk], d[fk] / n[fk] > json
    }
    printf "\n  }\n}\n" > json
}' "$work/idle"
