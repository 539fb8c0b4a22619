#!/usr/bin/env bash
# Start-up time (to the map and to the end of the first paint) and peak memory
# of the app against two floors, in a private Xvfb: the same Qt window with
# four labels of Chinese text in the layout's four faces, and the empty window.
#
#   bench/startup-bench.sh [BUILD_DIR] [RUNS] [APP]
# BUILD_DIR defaults to build/dev, RUNS to 30, APP to BUILD_DIR/app/morvelin
# (pass /usr/bin/morvelin to measure the installed app).
set -euo pipefail
build=${1:-build/dev}
runs=${2:-30}
app=${3:-$build/app/morvelin}

. "$(dirname "$0")/../tests/helpers.sh"
work=$(mktemp -d)
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid"; rm -rf "$work"' EXIT
start_xvfb "$work" 1024x768x24
export XDG_RUNTIME_DIR=$work
chmod 700 "$work"

"$build/bench/startup-probe" "$runs" "$app" "$build/bench/startup-text-floor" "$build/bench/startup-floor"
