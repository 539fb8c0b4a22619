#!/usr/bin/env bash
# Builds the installer with CPack and NSIS, then under Wine: installs it
# silently, checks the program, the Start-menu shortcut and the Apps & features
# entry, starts the installed program, uninstalls silently and checks that
# nothing is left.
#
#   wine-run.sh PREFIX installer-test.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../helpers.sh"
build=$1
out=$(mktemp -d)
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid"; rm -rf "$out"' EXIT

cpack -G NSIS --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
installer=$(find "$out" -maxdepth 1 -name 'morvelin-*-win64.exe')
[ -n "$installer" ] || { echo "FAIL: no installer"; ls "$out"; exit 1; }

dir="$WINEPREFIX/drive_c/Program Files/Morvelin"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Morvelin.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvelin'
passed=0
failed=0
check() { if "$@"; then echo "ok: $*"; passed=$((passed + 1)); else echo "FAIL: $*"; failed=$((failed + 1)); fi; }
registered() { wine reg query "$key" /v DisplayName >/dev/null 2>&1; }

wine "$installer" /S
wineserver -w
check test -f "$dir/morvelin.exe"
check test -f "$dir/Uninstall.exe"
check test -s "$dir/licenses/Qt-and-bundled-libraries.txt"
check test -f "$shortcut"
check registered

# The installed program starts and maps its window.
start_xvfb "$out"
mapped() { xdotool search --onlyvisible --name '^Morvelin$' >/dev/null 2>&1; }
wine "$dir/morvelin.exe" &
app=$!
check within 60 mapped
kill "$app" 2>/dev/null || true
wineserver -k || true
wineserver -w

# The uninstaller copies itself away and returns at once: wait for the folder to go.
wine "$dir/Uninstall.exe" /S
check within 60 test ! -e "$dir"
wineserver -w
check test ! -e "$shortcut"
check test ! -e "$dir"
check bash -c "! wine reg query '$key' >/dev/null 2>&1"
check bash -c "! wine reg query 'HKLM\\Software\\Morvelin' >/dev/null 2>&1"

echo "installer: $passed passed, $failed failed ($(stat -c %s "$installer") bytes)"
[ "$failed" -eq 0 ]
