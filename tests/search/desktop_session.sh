#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a desktop's own search client against the search service: on a private
# session bus that starts the service from the build tree's registration, with
# a home of its own, so nothing of the user's desktop counts, and a stand-in
# `mensaro` (on PATH and as the service's window) that logs its arguments to
# $MENSARO_SHOWN_LOG.
#   desktop_session.sh <build tree's search/share> <client command...>
source "$(dirname "$0")/../lib.sh"
cp -r "$1" "$scratch/share"
shift
mkdir -p "$scratch/bin" "$scratch/home"
export MENSARO_SHOWN_LOG=$scratch/shown
printf '#!/bin/sh\nprintf "[%%s]" "$@" >>"%s"\necho >>"%s"\n' "$MENSARO_SHOWN_LOG" "$MENSARO_SHOWN_LOG" >"$scratch/bin/mensaro"
chmod +x "$scratch/bin/mensaro"
sed -i "s|--program .*|--program $scratch/bin/mensaro|" "$scratch"/share/dbus-1/services/*.service
HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home XDG_DATA_HOME=$scratch/home XDG_CACHE_HOME=$scratch/home \
    XDG_DATA_DIRS=$scratch/share:/usr/share PATH=$scratch/bin:$PATH QT_QPA_PLATFORM=offscreen \
    dbus-run-session -- "$@"
