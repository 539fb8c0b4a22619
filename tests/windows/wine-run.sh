#!/usr/bin/env bash
# Runs a command with the test's Wine prefix (made on first use), then ends
# that prefix's Wine processes, so the next test starts with none. --fresh
# makes the prefix anew, so that nothing a run before left (an install) is in it.
#
#   wine-run.sh [--fresh] PREFIX COMMAND [ARG...]
set -euo pipefail
if [ "$1" = --fresh ]; then
    shift
    rm -rf "$1"
fi
. "$(dirname "$0")/wine-env.sh" "$1"
shift
status=0
"$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w
exit "$status"
