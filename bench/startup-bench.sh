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

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
export XDG_RUNTIME_DIR=$work
chmod 700 "$work"

"$build/bench/startup-probe" "$runs" "$app" "$build/bench/startup-text-floor" "$build/bench/startup-floor"
