#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# KRunner's library (krunner_client) against the search service on a private
# session bus: the plugin and D-Bus files as the package installs them, the
# service from the build tree, a stand-in `mensaro` that logs its arguments,
# and a home of its own, so nothing of the user's KRunner setup counts.
#   krunner_test.sh <mensaro-search> <krunner_client> <packaging folder>
source "$(dirname "$0")/../../lib.sh"
service=$1 client=$2 packaging=$3
share=$scratch/share
mkdir -p "$scratch/bin" "$scratch/home" "$share/krunner/dbusplugins" "$share/dbus-1/services"
cp "$packaging/org.mensaro.Mensaro.krunner.desktop" "$share/krunner/dbusplugins/"
sed "s|^Exec=.*|Exec=$service|" "$packaging/org.mensaro.Mensaro.SearchProvider.service" \
    >"$share/dbus-1/services/org.mensaro.Mensaro.SearchProvider.service"
printf '#!/bin/sh\nprintf "[%%s]" "$@" >>"%s"\necho >>"%s"\n' "$scratch/shown" "$scratch/shown" >"$scratch/bin/mensaro"
chmod +x "$scratch/bin/mensaro"
HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home XDG_DATA_HOME=$scratch/home XDG_CACHE_HOME=$scratch/home \
    XDG_DATA_DIRS=$share:/usr/share PATH=$scratch/bin:$PATH MENSARO_SHOWN_LOG=$scratch/shown QT_QPA_PLATFORM=offscreen \
    dbus-run-session -- "$client"
