#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A search client on a private bus that starts the service from the build tree, in a home of its own; a stand-in
# `mensaro` (on PATH, and the window unless --program names one) says its arguments and logs them to $MENSARO_SHOWN_LOG.
#   desktop_session.sh [--program PATH] <build tree's app/search/share> <client command...>
source "$(dirname "$0")/../lib.sh"
[[ $1 == --program ]] && program=$2 && shift 2
cp -r "$1" "$scratch/share"
# Else GIO watches all of share, where GNOME Shell writes at start, and reloads its providers mid-search.
mkdir -p "$scratch/bin" "$scratch/home/.local/share/applications"
export MENSARO_SHOWN_LOG=$scratch/shown
printf '#!/bin/sh\necho "$@" >&2\n{ printf "[%%s]" "$@"; echo; } >>"%s"\n' "$MENSARO_SHOWN_LOG" |
    install /dev/stdin "$scratch/bin/mensaro"
sed -i "s|--program .*|--program ${program:-$scratch/bin/mensaro}|" "$scratch"/share/dbus-1/services/*.service
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME=$scratch/home \
    XDG_DATA_DIRS=$scratch/share GSETTINGS_SCHEMA_DIR=/usr/share/glib-2.0/schemas PATH=$scratch/bin:$PATH QT_QPA_PLATFORM=offscreen \
    dbus-run-session -- "${@:2}"
