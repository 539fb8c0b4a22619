#!/usr/bin/env bash
# Runs a command with the test's Wine prefix (made on first use), then ends
# that prefix's Wine processes, so the next test starts with none.
#
#   wine-run.sh PREFIX COMMAND [ARG...]
set -euo pipefail
. "$(dirname "$0")/wine-env.sh" "$1"
shift
status=0
"$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w
exit "$status"
