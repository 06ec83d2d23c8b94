#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line beside GNU units on this machine, in one run: the wall time
# of one conversion (hyperfine, with /bin/true as the floor of starting any
# program), and the rate of a stream of the same values fed to each; both
# with the units apart (mensaro VALUE FROM TO) and as a query (12 in to cm;
# in the stream, eight pairs of units in turn). Then quantities in parts and
# targets in several units (5 ft 11 in to cm, 180 cm to ft in), one call and
# a stream, against GNU units given the same sums (5 ft + 11 in) and targets
# (ft;in).
# Writes cli.json under build/default/bench.
#   bench/cli/run.sh [--short] [mensaro binary]
set -euo pipefail
cd "$(dirname "$0")/../.."
# MENSARO_BENCH_LOCALE=de_DE.UTF-8 runs the programs in that language, the
# build's translations loaded; the figures are written as C writes them.
language=${MENSARO_BENCH_LOCALE:-C}
export LC_ALL=C MENSARO_LOCALEDIR=$PWD/build/default/share/locale
runs=200 values=1000000
if [[ ${1:-} == --short ]]; then
    runs=5 values=2000
    shift
fi
build=build/default
mensaro=${1:-$build/app/mensaro}
[[ -x $mensaro ]] || { echo "cli: build first (scripts/build.sh build)" >&2; exit 1; }
for tool in units hyperfine; do
    command -v "$tool" >/dev/null || { echo "cli: $tool missing (scripts/setup.sh bench installs it)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

LC_ALL=$language hyperfine -N --style none --warmup 20 --runs "$runs" --export-json "$work/single.json" \
    -n mensaro "$mensaro 12 Inch Centimeter" -n query "$mensaro 12 in to cm" -n units "units -t '12 inch' cm" \
    -n mixed "$mensaro 5 ft 11 in to cm" -n units_mixed "units -t '5 ft + 11 in' cm" -n true /bin/true >/dev/null

# Values of one to seven digits with three decimals; GNU units reads them in
# pairs of lines, the value with its unit and the unit wanted.
awk -v n="$values" 'BEGIN { for (i = 1; i <= n; i++) printf "%d.%03d\n", (i * 7919) % 9999991, i % 1000 }' >"$work/values"
awk '{ print $0 " inch"; print "cm" }' "$work/values" >"$work/pairs"
# The queries name eight pairs of units in turn, as a mixed stream would.
awk 'BEGIN { split("in to cm|ft to m|lb to kg|°F to °C|mi to km|oz to g|h to min|sq ft to m2", pair, "|") }
     { print $0 " " pair[NR % 8 + 1] }' "$work/values" >"$work/queries"
# The same eight pairs with four wordings in parts between them, twelve in turn; GNU units gets each as a sum and
# its target, or the target in parts, on two lines.
awk -v mixed="$work/mixed" -v sums="$work/sums" '
    BEGIN { n = split("in to cm|ft to m|lb to kg|°F to °C|mi to km|oz to g|h to min|sq ft to m2|" \
                      "ft 11 in to cm|h 30 min to min|lb 3 oz to kg|cm to ft in", q, "|")
            split("inch;cm|ft;m|lb;kg|tempF;tempC|mi;km|oz;g|hr;min|ft^2;m^2|" \
                  "ft + 11 in;cm|hr + 30 min;min|lb + 3 oz;kg|cm;ft;in", u, "|") }
    { k = NR % n + 1; print $0 " " q[k] > mixed; cut = index(u[k], ";"); unit = substr(u[k], 1, cut - 1)
      print (unit ~ /^temp/ ? unit "(" $0 ")" : $0 " " unit) > sums; print substr(u[k], cut + 1) > sums }' "$work/values"

mkdir -p "$build/bench"
/usr/bin/python3 - "$work" "$mensaro" "$values" "$build/bench/cli.json" <<'PY'
import json, resource, statistics, subprocess, sys, time
work, mensaro, values, out = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
cpu_rates = {}

def cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime

def rate(command, path):
    """Values a second, the best of three runs; every value must give one line. Beside it, by the CPU time the
    program took, which a machine loaded by other work disturbs less."""
    best = best_cpu = None
    for _ in range(3):
        with open(path, "rb") as stdin:
            start, start_cpu = time.perf_counter(), cpu()
            result = subprocess.run(command, stdin=stdin, capture_output=True, check=True)
            seconds, cpu_seconds = time.perf_counter() - start, cpu() - start_cpu
        assert result.stdout.count(b"\n") == values, command
        best = seconds if best is None else min(best, seconds)
        best_cpu = cpu_seconds if best_cpu is None else min(best_cpu, cpu_seconds)
    cpu_rates[command[0].rsplit("/", 1)[-1] + " " + path.rsplit("/", 1)[-1]] = values / best_cpu
    return values / best

single = {r["command"]: statistics.median(r["times"]) * 1000
          for r in json.load(open(f"{work}/single.json"))["results"]}
stream = {"mensaro": rate([mensaro, "-", "Inch", "Centimeter"], f"{work}/values"),
          "query": rate([mensaro, "-"], f"{work}/queries"),
          "units": rate(["units", "-t"], f"{work}/pairs"),
          "mixed": rate([mensaro, "-"], f"{work}/mixed"),
          "units_mixed": rate(["units", "-t"], f"{work}/sums")}
figures = {"single_ms": single, "single_ratio_to_units": single["mensaro"] / single["units"],
           "query_ratio_to_units": single["query"] / single["units"],
           "stream_values": values, "stream_values_per_s": stream,
           "stream_ratio_to_units": stream["mensaro"] / stream["units"],
           "query_stream_ratio_to_units": stream["query"] / stream["units"],
           "mixed_ratio_to_units": single["mixed"] / single["units_mixed"],
           "mixed_stream_ratio_to_units": stream["mixed"] / stream["units_mixed"],
           "stream_values_per_cpu_s": cpu_rates}
json.dump(figures, open(out, "w"), indent=1)
print(f"one call (median): mensaro {single['mensaro']:.2f} ms, as a query {single['query']:.2f} ms, "
      f"GNU units {single['units']:.2f} ms, /bin/true {single['true']:.2f} ms")
print(f"stream of {values} values: mensaro {stream['mensaro']:.0f}/s, as queries {stream['query']:.0f}/s, "
      f"GNU units {stream['units']:.0f}/s: {figures['stream_ratio_to_units']:.1f}x and "
      f"{figures['query_stream_ratio_to_units']:.1f}x")
print(f"in parts: one call {single['mixed']:.2f} ms, GNU units {single['units_mixed']:.2f} ms "
      f"({figures['mixed_ratio_to_units']:.2f}x); a stream {stream['mixed']:.0f}/s, GNU units {stream['units_mixed']:.0f}/s "
      f"({figures['mixed_stream_ratio_to_units']:.1f}x)")
print("by CPU time: " + ", ".join(f"{name} {value:.0f}/s" for name, value in cpu_rates.items()))
PY
