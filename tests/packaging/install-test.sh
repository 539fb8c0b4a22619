#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates the desktop files
# there: desktop-file-validate and appstreamcli with no error or warning.
#
#   install-test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
failed=0
check() { if "$@"; then echo "ok: ${*: -1}"; else echo "FAIL: $*"; failed=$((failed + 1)); fi; }
exists() { [ -s "$1" ]; }

check exists "$prefix/bin/morvelin"
check exists "$prefix/share/applications/$id.desktop"
check exists "$prefix/share/metainfo/$id.metainfo.xml"
check exists "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 32 48 64 128 256; do
    check exists "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
done

desktop=$prefix/share/applications/$id.desktop
output=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$output" ] ||
    { echo "$output"; failed=$((failed + 1)); }
check grep -qx "Icon=$id" "$desktop"
check grep -qx 'StartupWMClass=morvelin' "$desktop"
check grep -q '^Comment\[zh_CN\]=' "$desktop"

output=$(appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) ||
    failed=$((failed + 1))
echo "$output"
complaints=$(grep -cE '^[EW]:|^ *(E|W) *-|error|warning' <<<"$output" || true)
[ "$complaints" = 0 ] || failed=$((failed + 1))

passed=$((11 - failed))
echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
