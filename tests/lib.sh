# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the shell tests: a failed check is told and the run goes on; `finish` exits with the verdict.
# The scratch folder, also the runtime folder, goes at exit with the `pids`.
set -uo pipefail
failed=0
fail() { echo "FAIL: $*"; failed=1; }
finish() { exit "$failed"; }
scratch=$(mktemp -d)
export XDG_RUNTIME_DIR=$scratch
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$scratch"' EXIT
# Tries a command every tenth of a second until it succeeds, for at most $1 seconds.
wait_for() { local tries=$(($1 * 10)) && shift && until "$@"; do ((--tries > 0)) && sleep 0.1 || return 1; done; }
