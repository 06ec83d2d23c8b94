#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The other architectures, from this amd64 machine: the arm64 package
# cross-built as a Debian build machine would, then the core's tests and the
# command line cross-built for each architecture below with its own
# dpkg-buildflags (the core preset, cmake/debian-flags.cmake), run under
# qemu-user, and the command line's digits held against this machine's over
# the command-line test's table. Usage: scripts/cross-check.sh [ARCH...]
set -uo pipefail
cd "$(dirname "$0")/.."
arches=("$@")
((${#arches[@]})) || arches=(arm64 armhf i386 s390x)
out=build/cross
failed=() pids=()
step() {
    local name=$1 start=$SECONDS
    shift
    echo "--- $name"
    "$@" || failed+=("$name")
    echo "--- $name: $((SECONDS - start)) s"
}

mkdir -p "$out"
step "arm64 package" eval 'bash scripts/package.sh "$out/package" -aarm64 -B -Pcross,nocheck >"$out/package.log" 2>&1 ||
    ! tail -30 "$out/package.log"'
# This machine's digits, from the core alone, and the translations (a .mo file
# reads the same in either byte order), which the table's language rows need.
step "amd64 rows" eval 'cmake --preset core >/dev/null && cmake --build --preset core --target convert_rows mensaro_translations'
for arch in "${arches[@]}"; do
    dir=$out/$arch
    step "$arch build" eval 'DEB_HOST_ARCH=$arch cmake --preset core -B "$dir" -DMENSARO_BUILD_BENCH=OFF >/dev/null &&
        cmake --build "$dir" --target core_tests cli_tests mensaro'
    # The locales the tests run under, in the target's byte order: this machine's are in its own.
    locales=$PWD/$out/locales-$(dpkg-architecture -a"$arch" -qDEB_HOST_ARCH_ENDIAN 2>/dev/null)
    for locale in C de_DE fr_FR es_ES tr_TR; do
        [[ -d $locales/$locale.UTF-8 ]] || { mkdir -p "$locales" &&
            localedef "--${locales##*-}-endian" -i "$locale" -f UTF-8 "$locales/$locale.UTF-8"; }
    done
    # The cross build's own emulator line: qemu-user and the compiler's sysroot;
    # the foreign program reads those locales and this machine's translations.
    emulator=$(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' "$dir/CMakeCache.txt" | tr ';' ' ')
    translations=$PWD/build/core/share/locale
    printf '#!/bin/sh\nexec env LOCPATH=%s MENSARO_LOCALEDIR=%s %s %s "$@"\n' "$locales" "$translations" "$emulator" \
        "$PWD/$dir/app/mensaro" >"$dir/mensaro-$arch"
    chmod +x "$dir/mensaro-$arch"
    step "$arch core tests" eval '(export LOCPATH=$locales MENSARO_LOCALEDIR=$translations; $emulator "$dir/tests/core/core_tests" --gtest_brief=1 &&
        LC_ALL=de_DE.UTF-8 $emulator "$dir/tests/core/core_tests" --gtest_brief=1 &&
        $emulator "$dir/tests/cli_tests" --gtest_brief=1)'
done
# Each emulated run takes one core: all of them at once, each told in turn.
for arch in "${arches[@]}"; do
    bash tests/app/cli_test.sh "$out/$arch/mensaro-$arch" build/core/tests/convert_rows >"$out/$arch/cli.log" 2>&1 &
    pids+=($!)
done
for i in "${!arches[@]}"; do
    step "${arches[i]} command line" eval 'wait ${pids[i]}; rc=$?; cat "$out/${arches[i]}/cli.log"; ((rc == 0))'
done

if ((${#failed[@]})); then
    printf -v list '%s, ' "${failed[@]}"
    echo "--- failed: ${list%, }"
    exit 1
fi
echo "--- every architecture passed"
