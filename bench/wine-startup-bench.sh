#!/usr/bin/env bash
# Start-up of morvelin.exe under Wine against two floors: Qt's own on Wine,
# the text floor (startup-floor.cpp: a window of Chinese labels in the
# layout's faces, on the same static Qt, from the Windows build), and Wine's
# own, a plain Win32 window (win32-floor.cpp, from the same build). In a
# private Xvfb and Wine prefix, the three start in turn, warm
# (files cached); startup-probe times each to the map and to the end of the
# first paint and prints the medians and their ratios. Twice: each start in a
# Wine session of its own, as when no other Windows program runs (the
# wineserver is ended after each run), then with the wineserver kept running.
#
#   bench/wine-startup-bench.sh [EXE] [RUNS] [HOST_BUILD_DIR]
# EXE defaults to build/windows/app/morvelin.exe (the text floor is taken
# from the same build's bench/), RUNS to 15, HOST_BUILD_DIR (the Linux build
# that holds bench/startup-probe) to build/dev.
set -euo pipefail
bench=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "${1:-build/windows/app/morvelin.exe}")
qt_floor=$(realpath "$(dirname "$exe")/../bench/startup-text-floor.exe")
win32_floor=$(realpath "$(dirname "$exe")/../bench/win32-floor.exe")
runs=${2:-15}
probe=$(realpath "${3:-build/dev}/bench/startup-probe")

. "$bench/../tests/helpers.sh"
work=$(mktemp -d)
xvfb_pid=
trap 'rm -rf "$work"' EXIT
. "$bench/../tests/windows/wine-env.sh" "$work/prefix"
trap 'wineserver -k || true; [ -n "$xvfb_pid" ] && kill "$xvfb_pid"; rm -rf "$work"' EXIT
start_xvfb "$work" 1024x768x24

# startup-probe starts a program without arguments: one small launcher each.
for program in "$exe" "$qt_floor" "$win32_floor"; do
    launcher=$work/$(basename "$program" .exe)
    printf '#!/bin/sh\nexec wine "%s"\n' "$program" >"$launcher"
    chmod +x "$launcher"
done
programs=("$work/$(basename "$exe" .exe)" "$work/startup-text-floor" "$work/win32-floor")
echo "=== each start in a Wine session of its own"
STARTUP_PROBE_AFTER_RUN="wineserver -k; wineserver -w" "$probe" "$runs" "${programs[@]}"
echo "=== the wineserver kept running"
wineserver -p
"$probe" "$runs" "${programs[@]}"
