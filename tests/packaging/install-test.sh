#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates the desktop files
# there: desktop-file-validate and appstreamcli with no error or warning.
#
#   install-test.sh BUILD_DIR APP_ID ICON_SIZE...
set -euo pipefail
build=$1
id=$2
shift 2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
passed=0
failed=0
check() {
    if "$@"; then echo "ok: ${*: -1}"; passed=$((passed + 1)); else echo "FAIL: $*"; failed=$((failed + 1)); fi
}
exists() { [ -s "$1" ]; }
# Validators pass when they say nothing against the file.
quiet() { local output; output=$("$@" 2>&1) && [ -z "$output" ] || { echo "$output"; return 1; }; }
no_complaint() {
    local output
    output=$("$@" 2>&1) || { echo "$output"; return 1; }
    echo "$output"
    ! grep -qE '^[EW]:|^ *(E|W) *-|error|warning' <<<"$output"
}

check exists "$prefix/bin/morvelin"
check exists "$prefix/share/applications/$id.desktop"
check exists "$prefix/share/metainfo/$id.metainfo.xml"
check exists "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for size in "$@"; do
    check exists "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
done

desktop=$prefix/share/applications/$id.desktop
check quiet desktop-file-validate "$desktop"
check grep -qx "Icon=$id" "$desktop"
check grep -qx 'StartupWMClass=morvelin' "$desktop"
check grep -q '^Comment\[zh_CN\]=' "$desktop"
check no_complaint appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"

echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
