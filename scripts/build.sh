#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# One entry point for building Mensaro on Debian 12 or 13; each command first
# installs what it needs (scripts/setup.sh), then uses the CMake presets.
set -euo pipefail
cd "$(dirname "$0")/.."
usage="Usage: scripts/build.sh COMMAND
  run       build and launch the program
  test      build and run every test, three ways, then on other architectures
  bench     micro-benchmarks, start-up, key to pixels, idle, command line, search
  package   build the Debian package into build/package
  build     just build"

build() {
    bash scripts/setup.sh "${1:-build}"
    cmake --preset default
    cmake --build --preset default
}

case "${1:-}" in
    build) build ;;
    run)
        build
        # The translations built beside it, not an installed copy's.
        MENSARO_LOCALEDIR=$PWD/build/default/share/locale exec ./build/default/app/mensaro
        ;;
    test)
        bash scripts/setup.sh test
        # The normal build; everything under AddressSanitizer and
        # UndefinedBehaviorSanitizer (leaks included); the core's fuzzers.
        # Each preset runs even when one before it failed, so that one run
        # reports them all; the last line names those that failed.
        failed=()
        for preset in default sanitize fuzz; do
            echo "=== $preset ==="
            step=configure
            cmake --preset "$preset" && step=build && cmake --build --preset "$preset" &&
                step=test && ctest --preset "$preset" || failed+=("$preset ($step)")
        done
        # Then the other architectures under qemu-user, built once here.
        echo "=== cross ==="
        bash scripts/cross-check.sh || failed+=("cross")
        if ((${#failed[@]})); then
            printf -v list '%s, ' "${failed[@]}"
            echo "=== failed: ${list%, } ==="
            exit 1
        fi
        echo "=== every preset passed ==="
        ;;
    bench)
        # Each writes its figures as JSON under build/default/bench as well.
        build bench
        out=build/default/bench
        "$out/core_bench" --benchmark_out="$out/core.json" --benchmark_out_format=json
        QT_QPA_PLATFORM=offscreen "$out/tst_latency" -minimumvalue 1000 -o -,txt -o "$out/latency.csv,csv"
        awk -F, 'BEGIN { printf "{" } { gsub(/"/, "", $1); sep = NR > 1 ? ", " : ""; printf "%s\"%s\": %s", sep, $1, $4 }
                 END { print "}" }' "$out/latency.csv" >"$out/latency.json"
        bash bench/startup/run.sh 20
        bash bench/pixels/run.sh
        bash bench/cli/run.sh
        bash bench/search/run.sh
        echo
        /usr/bin/python3 bench/report.py "$out"
        ;;
    package)
        bash scripts/setup.sh package
        bash scripts/package.sh build/package
        ;;
    *)
        echo "$usage" >&2
        exit 2
        ;;
esac
