#!/usr/bin/env bash
# Builds the installer with CPack and NSIS, then under Wine: installs it for
# the current user alone, refuses to replace or remove the program while it
# runs, uninstalls it; installs it for all users twice over and uninstalls
# that. Checks the files, the Start-menu shortcut and the Apps & features
# entry each time. An uninstaller run in place (_?=DIR) gives its real exit
# status but cannot remove itself; one for all users, whose folder has a
# space, is run from a batch file, which passes _?= unquoted as NSIS needs it.
# An uninstaller in a folder with no install removes nothing.
#
#   wine-run.sh PREFIX installer-test.sh INSTALLER
set -euo pipefail
. "$(dirname "$0")/../helpers.sh"
out=$(mktemp -d)
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid"; rm -rf "$out"' EXIT

installer=$1
[ -f "$installer" ] || { echo "FAIL: no installer $installer (scripts/windows makes it)"; exit 1; }

# Wine's desktop process keeps the display it started with: X comes first.
start_xvfb "$out"
passed=0
failed=0
check() { if "$@"; then echo "ok: $*"; passed=$((passed + 1)); else echo "FAIL: $*"; failed=$((failed + 1)); fi; }
fails() { ! "$@"; }
entry='Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvelin'
registered() { wine reg query "$1\\$entry" /v DisplayName >/dev/null 2>&1; }
# Wine has no UAC: what can be checked is that the installer does not ask for it.
manifest=$(grep -ao 'requestedExecutionLevel level="[A-Za-z]*"' "$installer")
check test "$manifest" = 'requestedExecutionLevel level="highestAvailable"'

# For the current user: nothing under Program Files or HKLM.
local_dir=$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
dir=$(winepath -u "$local_dir\\Programs\\Morvelin")
shortcut=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' | tr -d '\r')")'/Microsoft/Windows/Start Menu/Programs/Morvelin.lnk'
machine_dir="$WINEPREFIX/drive_c/Program Files/Morvelin"
wine "$installer" /S /CurrentUser
check test -f "$dir/morvelin.exe" -a -f "$dir/Uninstall.exe" -a -f "$shortcut"
check test -s "$dir/licenses/Qt-and-bundled-libraries.txt"
check registered HKCU
check fails registered HKLM
check test ! -e "$machine_dir"
# A signed installer (tests/release/signing-test.sh sets MORVELIN_SIGN_CAFILE)
# writes signed programs, the uninstaller too.
verified() { osslsigncode verify -CAfile "$MORVELIN_SIGN_CAFILE" -in "$1" >/dev/null 2>&1; }
[ -z "${MORVELIN_SIGN_CAFILE:-}" ] || check verified "$dir/morvelin.exe"
[ -z "${MORVELIN_SIGN_CAFILE:-}" ] || check verified "$dir/Uninstall.exe"

# While it runs, neither the installer nor the uninstaller changes anything.
mapped() { xdotool search --onlyvisible --name '^Morvelin$' >/dev/null 2>&1; }
# No window in time: says whether the program still runs and what Wine printed.
started() { within 60 mapped || { echo "morvelin.exe $(kill -0 "$app" 2>/dev/null && echo runs || echo ended): $(cat "$out/app.log")"; return 1; }; }
wine "$dir/morvelin.exe" >"$out/app.log" 2>&1 &
app=$!
check started
entry_root=HKCU
state() { find "$dir" -type f -printf '%P %s %T@\n' | sort; wine reg query "$entry_root\\$entry"; }
before=$(state)
check fails wine "$installer" /S /CurrentUser
check fails wine "$dir/Uninstall.exe" /S "_?=$local_dir\\Programs\\Morvelin"
check test "$(state)" = "$before"
kill "$app" 2>/dev/null || true
wineserver -k || true
wineserver -w

# Closed, it goes: everything but the uninstaller run in place.
check wine "$dir/Uninstall.exe" /S "_?=$local_dir\\Programs\\Morvelin"
check test "$(ls "$dir")" = Uninstall.exe -a ! -e "$shortcut"
check fails registered HKCU

# For all users, twice over: one entry, and its uninstaller removes it all.
wine "$installer" /S /AllUsers
check wine "$installer" /S /AllUsers
check test -f "$machine_dir/morvelin.exe"
wine reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' "$out/uninstall.reg" /y >/dev/null
check test "$(iconv -f UTF-16 -t UTF-8 "$out/uninstall.reg" | grep -c '"DisplayName"="Morvelin"')" = 1

# In place over a running copy it ends with status 2 and changes nothing.
wine "$machine_dir/morvelin.exe" >"$out/app.log" 2>&1 &
app=$!
check started
printf '"C:\\Program Files\\Morvelin\\Uninstall.exe" /S _?=C:\\Program Files\\Morvelin\r\n' >"$out/uninstall.bat"
dir=$machine_dir entry_root=HKLM
before=$(state)
status=0
wine cmd /c "$(winepath -w "$out/uninstall.bat")" || status=$?
check test "$status" = 2 -a "$(state)" = "$before"
kill "$app" 2>/dev/null || true
wineserver -k || true
wineserver -w
# A folder that holds no install.
mkdir "$out/empty"
cp "$machine_dir/Uninstall.exe" "$out/empty/"
check fails wine "$out/empty/Uninstall.exe" /S "_?=$(winepath -w "$out/empty")"
check test -f "$out/empty/Uninstall.exe" -a "$(state)" = "$before"
# The uninstaller copies itself away and returns at once: wait for the folder to go.
wine "$machine_dir/Uninstall.exe" /S
check within 60 test ! -e "$machine_dir"
wineserver -w
check fails registered HKLM
check fails wine reg query 'HKLM\Software\Morvelin'

echo "installer: $passed passed, $failed failed ($(stat -c %s "$installer") bytes)"
[ "$failed" -eq 0 ]
