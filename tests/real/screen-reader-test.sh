#!/usr/bin/env bash
# A screen reader's view of the built app: the app under Xvfb on a private
# D-Bus session with its accessibility bus, read by screen-reader.py through
# AT-SPI (Debian's python3-pyatspi).
#
#   screen-reader-test.sh APP [ARG...]
set -euo pipefail
. "$(dirname "$0")/../helpers.sh"
work=$(mktemp -d)
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work" || { echo "screen-reader-test: Xvfb did not start"; exit 1; }
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8 dbus-run-session -- \
    /usr/bin/python3 "$(dirname "$0")/screen-reader.py" "$@"
