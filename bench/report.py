# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The README's performance table, from the JSON the benchmarks wrote under
build/default/bench/. Prints Markdown; missing figures show as "-"."""

import json
import pathlib
import sys

folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/default/bench")


def load(name):
    try:
        return json.loads((folder / name).read_text())
    except (OSError, ValueError):
        return None


rows = []
startup = load("startup.json")
if startup:
    rows.append(("time to window", f"{startup['ratio_to_window']:.2f}x the bare Qt window", "target 1.15x"))
    rows.append(("resident memory", f"{startup['ratio_memory']:.2f}x the bare Qt window", "target 1.10x"))
pixels = load("pixels.json")
if pixels:
    names = {"digit": "a typed digit", "up": "Up", "esc": "Esc", "unit": "a unit change"}
    for key, name in names.items():
        k = pixels["keys"][key]
        rows.append((f"{name}, key to first damage (median / p90)",
                     f"{k['mensaro_median_ms']:.2f} / {k['mensaro_p90_ms']:.2f} ms = {k['ratio']:.2f}x the echo floor",
                     "target 1.05x"))
idle = load("idle.json")
if idle:
    for state in ("focused", "unfocused", "unmapped", "iconic"):
        m = idle["idle"][state]["mensaro"]
        rows.append((f"idle, {state}", f"{m['wakeups_per_s']:.1f} wakeups/s, {m['cpu_ms_per_s']:.2f} ms CPU/s, "
                     f"{m['damage_px_per_s']:.0f} px/s", "0 wakeups/s" if state in ("unmapped", "iconic") else "-"))
latency = load("latency.json")
if latency:
    for name, label in (("typed_character", "one typed character, in process"), ("up_key", "one Up key, in process"),
                        ("category_change", "one category change, in process")):
        if name in latency:
            rows.append((label, f"{latency[name] * 1000:.0f} us", "-"))
cli = load("cli.json")
if cli:
    one = cli["single_ms"]
    rows.append(("one `mensaro 12 Inch Centimeter` (median)",
                 f"{one['mensaro']:.1f} ms = {cli['single_ratio_to_units']:.2f}x GNU units ({one['units']:.1f} ms; "
                 f"/bin/true {one['true']:.1f} ms)", "target 0.50x"))
    rows.append(("one `mensaro 12 in to cm` (median)",
                 f"{one['query']:.1f} ms = {cli['query_ratio_to_units']:.2f}x GNU units", "target 0.50x"))
    rate = cli["stream_values_per_s"]
    rows.append((f"a stream of {cli['stream_values']:,} values",
                 f"{rate['mensaro'] / 1e6:.2f} M values/s = {cli['stream_ratio_to_units']:.0f}x GNU units "
                 f"({rate['units'] / 1e3:.0f} k/s)", "target 20x"))
    rows.append((f"a stream of {cli['stream_values']:,} queries (`12 in to cm`)",
                 f"{rate['query'] / 1e6:.2f} M queries/s = {cli['query_stream_ratio_to_units']:.0f}x GNU units",
                 "target 20x"))
    if "mixed" in one:
        cpu = cli["stream_values_per_cpu_s"]
        rows.append(("one `mensaro 5 ft 11 in to cm` (median)",
                     f"{one['mixed']:.1f} ms = {cli['mixed_ratio_to_units']:.2f}x GNU units "
                     f"(`units -t '5 ft + 11 in' cm`, {one['units_mixed']:.1f} ms)", "target 0.50x"))
        rows.append((f"a stream of {cli['stream_values']:,} queries, a third in parts (`5 ft 11 in to cm`, "
                     "`180 cm to ft in`)",
                     f"{rate['mixed'] / 1e6:.2f} M queries/s = {cli['mixed_stream_ratio_to_units']:.0f}x GNU units "
                     f"given the same sums; by CPU time {cpu['mensaro mixed'] / cpu['units sums']:.0f}x", "target 20x"))
search = load("search.json")
if search:
    rows.append(("a search through the bus, cold (activation and answer, median)",
                 f"{search['cold_ms']:.1f} ms (at most {search['cold_max_ms']:.1f} ms)", "target 100 ms"))
    rows.append(("a search through the bus, warm (median / p90)",
                 f"{search['warm_ms']:.2f} / {search['warm_p90_ms']:.2f} ms; KRunner's Match {search['runner_ms']:.2f} ms "
                 f"(a call the bus answers: {search['bus_ms']:.2f} ms)", "target 5 ms"))
core = load("core.json")
if core:
    times = {b["name"]: b["real_time"] for b in core.get("benchmarks", []) if b.get("run_type") != "aggregate"}
    rows.append(("core benchmarks", ", ".join(f"{n} {t:.0f} ns" for n, t in sorted(times.items())), "-"))

print("| measure | Mensaro | against |")
print("|---|---|---|")
for row in rows:
    print("| " + " | ".join(row) + " |")
