#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiles the Windows resource script as a Windows build would, and reads the
# version record back out of the result.
source "$(dirname "$0")/../lib.sh"
windres=$1
cd "$(dirname "$2")"
"$windres" --preprocessor=cpp -i "$2" -o "$scratch/mensaro.res" -O res &&
    "$windres" -i "$scratch/mensaro.res" -O rc -o "$scratch/decompiled.rc" || { fail "windres failed"; finish; }
for want in '"ProductName", "Mensaro"' '"InternalName", "Tavrix"' \
            '"FileDescription", "Convertions between various units"' \
            '"FileVersion", "1.00"' '"ProductVersion", "1.00"' 'Translation", 0x409' 'ICON'; do
    grep -qF "$want" "$scratch/decompiled.rc" || fail "no $want in the compiled resources"
done
finish
