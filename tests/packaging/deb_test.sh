#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package as a distribution takes it, and the default preset compiling with its flags.
#   deb_test.sh <source dir> <default build dir>
source "$(dirname "$0")/../lib.sh"
src=$1

# The flags debian/rules gets from dpkg-buildflags: none twice, and the preset's (through cmake/debian-flags.cmake).
want=$(make -s -f "$src/debian/rules" --eval 'mensaro-flags: ; @for f in CXXFLAGS CPPFLAGS LDFLAGS; do \
    dpkg-buildflags --get $$f; done' mensaro-flags)
have=$(sed -n 's/^CMAKE_\(CXX_FLAGS\|EXE_LINKER_FLAGS\):STRING=//p' "$2/CMakeCache.txt")
flags() { tr ' ' '\n' | grep -v -e '^-ffile-prefix-map=' -e '^$' | sort; }
twice=$(flags <<<"$want" | uniq -d | tr '\n' ' ')
[[ -z $twice ]] || fail "the package gives these flags twice: $twice"
differ=$(diff <(flags <<<"$want" | uniq) <(flags <<<"$have") | grep '^[<>]' | tr '\n' ' ')
[[ -z $differ ]] || fail "the default preset's flags differ from the package's: $differ"

# Built twice, in other folders, time zones and locales: byte for byte the same.
second=$scratch/another/much/longer/path
bash "$src/scripts/package.sh" "$scratch/first" >"$scratch/first.log" 2>&1 &&
    TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 bash "$src/scripts/package.sh" "$second" >"$scratch/second.log" 2>&1 ||
    { tail -30 "$scratch"/*.log; fail "the package did not build"; finish; }
built=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)_$(dpkg --print-architecture)
for deb in mensaro_$built.deb mensaro-dbgsym_$built.deb; do
    cmp "$scratch/first/$deb" "$second/$deb" || fail "$deb differs between two builds"
done

# The source package and the binary ones. Debian 12's lintian knows policy up to 4.6.2 only.
suppress=()
[[ $(lintian --print-version) == 2.116.* ]] && suppress=(--suppress-tags newer-standards-version)
lintian --pedantic --display-info "${suppress[@]}" "$scratch/first/mensaro_$built.changes" >"$scratch/lintian.log" 2>/dev/null
grep -E '^[EWIPX]: ' "$scratch/lintian.log" && fail "lintian reports the tags above"

dpkg-deb -x "$scratch/first/mensaro_$built.deb" "$scratch/root"
program=$scratch/root/usr/bin/mensaro
# Debian 13 asks for arm64's branch protection everywhere (x86's counterpart is checked); Debian 12 has no such check.
checks=(--quiet)
[[ $(dpkg --print-architecture) == arm64 || $(hardening-check --nobranchprotection /dev/null 2>&1) == *"Unknown option"* ]] ||
    checks+=(--nobranchprotection)
# The window module's absence, program_test.sh finds.
binaries=("$program" $(find "$scratch/root/usr" -name mensaro-window.so) "$scratch/root/usr/libexec/mensaro/mensaro-search")
hardening-check "${checks[@]}" "${binaries[@]}" || fail "hardening-check finds a feature missing"
readelf -d "${binaries[@]}" | grep -qE 'RUNPATH|RPATH' && fail "a program or the module carries a RUNPATH"

# Each file where the desktop looks.
id=org.mensaro.Mensaro
for path in applications/$id.desktop metainfo/org.mensaro.mensaro.metainfo.xml icons/hicolor/scalable/apps/$id.svg \
            icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png man/man1/mensaro.1.gz doc/mensaro/{copyright,units.md} bash-completion/completions/mensaro \
            gnome-shell/search-providers/$id.search-provider.ini krunner/dbusplugins/$id.krunner.desktop; do
    [[ -s $scratch/root/usr/share/$path ]] || fail "missing /usr/share/$path"
done
grep -qx "Exec=/usr/libexec/mensaro/mensaro-search" "$scratch/root/usr/share/dbus-1/services/$id.SearchProvider.service" ||
    fail "the bus does not start the installed search service"

# The unpacked program passes the same checks as the built one.
bash "$(dirname "$0")/../app/program_test.sh" "$program" || fail "the packaged program"
finish
