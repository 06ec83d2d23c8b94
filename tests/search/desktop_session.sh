#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a desktop's own search client against the search service: on a private
# session bus that starts the service from the build tree's registration, with
# a home of its own, so nothing of the user's desktop counts, and a stand-in
# `mensaro` (on PATH and as the service's window) that logs its arguments to
# $MENSARO_SHOWN_LOG.
#   desktop_session.sh <build tree's app/search/share> <client command...>
source "$(dirname "$0")/../lib.sh"
cp -r "$1" "$scratch/share"
shift
# GIO watches ~/.local/share/applications, or while it is missing the whole
# share folder, where GNOME Shell writes at start: each change would reload
# the shell's search providers, and the rows of a search under way with them.
mkdir -p "$scratch/bin" "$scratch/home/.local/share/applications"
export MENSARO_SHOWN_LOG=$scratch/shown
printf '#!/bin/sh\nprintf "[%%s]" "$@" >>"%s"\necho >>"%s"\n' "$MENSARO_SHOWN_LOG" "$MENSARO_SHOWN_LOG" >"$scratch/bin/mensaro"
chmod +x "$scratch/bin/mensaro"
sed -i "s|--program .*|--program $scratch/bin/mensaro|" "$scratch"/share/dbus-1/services/*.service
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME HOME=$scratch/home \
    XDG_DATA_DIRS=$scratch/share GSETTINGS_SCHEMA_DIR=/usr/share/glib-2.0/schemas PATH=$scratch/bin:$PATH QT_QPA_PLATFORM=offscreen \
    dbus-run-session -- "$@"
