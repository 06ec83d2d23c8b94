#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiles the Windows resource script as a Windows build would, and reads the
# version record back out of the result.
set -euo pipefail
windres=$1
rc=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$(dirname "$rc")"
"$windres" --preprocessor=cpp -i "$rc" -o "$work/mensaro.res" -O res
"$windres" -i "$work/mensaro.res" -O rc -o "$work/decompiled.rc"
failed=0
for want in '"ProductName", "Mensaro"' '"InternalName", "Tavrix"' \
            '"FileDescription", "Convertions between various units"' \
            '"FileVersion", "1.00"' '"ProductVersion", "1.00"' 'Translation", 0x409' 'ICON'; do
    grep -qF "$want" "$work/decompiled.rc" || { echo "FAIL: no $want in the compiled resources"; failed=1; }
done
exit $failed
