#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs Mensaro and the bare Qt floor interleaved N times on a private Xvfb
# (from scripts/with-x.sh, as the pixels benchmark and the tests get theirs),
# and prints medians, ranges and the ratios of Mensaro to the floor.
#   bench/startup/run.sh [runs] [mensaro binary]
set -euo pipefail
[[ -n ${MENSARO_X_READY:-} ]] || MENSARO_X_READY=1 exec bash "$(dirname "$0")/../../scripts/with-x.sh" 1280x1024x24 bash "$0" "$@"
cd "$(dirname "$0")/../.."
# MENSARO_BENCH_LOCALE=de_DE.UTF-8 runs the programs in that language, the
# build's translations loaded; the figures are written as C writes them.
language=${MENSARO_BENCH_LOCALE:-C}
export LC_ALL=C MENSARO_LOCALEDIR=$PWD/build/default/share/locale
runs=${1:-10}
build=build/default
mensaro=${2:-$build/app/mensaro}
floor=$build/bench/startup_floor
probe=$build/bench/startup_probe
[[ -x $probe && -x $floor && -x $mensaro ]] || { echo "startup: build first (scripts/build.sh build)" >&2; exit 1; }

export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
results=$(mktemp)
trap 'rm -rf "$results" "$XDG_RUNTIME_DIR"' EXIT
trap 'exit 130' INT TERM
# One warm-up each, so the page cache treats both alike.
LC_ALL=$language "$probe" 200 "$floor" >/dev/null
LC_ALL=$language "$probe" 200 "$mensaro" >/dev/null
for i in $(seq "$runs"); do
    echo "floor $(LC_ALL=$language "$probe" 500 "$floor")" >>"$results"
    echo "mensaro $(LC_ALL=$language "$probe" 500 "$mensaro")" >>"$results"
done

mkdir -p "$build/bench"
awk -v runs="$runs" -v json="$build/bench/startup.json" '
function median(a, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
{ n[$1]++; ms[$1, n[$1]] = $2; rss[$1, n[$1]] = $3 / 1024 }
END {
    for (p in n) {
        for (i = 1; i <= n[p]; i++) { m[i] = ms[p, i]; r[i] = rss[p, i] }
        lo = hi = m[1]; for (i = 1; i <= n[p]; i++) { if (m[i] < lo) lo = m[i]; if (m[i] > hi) hi = m[i] }
        mm[p] = median(m, n[p]); mr[p] = median(r, n[p])
        printf "%-8s to window %6.1f ms (%.1f-%.1f)   memory %5.1f MiB\n", p, mm[p], lo, hi, mr[p]
    }
    printf "ratio    to window %.2fx   memory %.2fx   (%d interleaved runs)\n", mm["mensaro"] / mm["floor"], mr["mensaro"] / mr["floor"], runs
    printf "{\"runs\": %d, \"mensaro\": {\"to_window_ms\": %.2f, \"memory_mib\": %.2f}, \"floor\": {\"to_window_ms\": %.2f, \"memory_mib\": %.2f}, \"ratio_to_window\": %.4f, \"ratio_memory\": %.4f}\n", runs, mm["mensaro"], mr["mensaro"], mm["floor"], mr["floor"], mm["mensaro"] / mm["floor"], mr["mensaro"] / mr["floor"] > json
}' "$results"
