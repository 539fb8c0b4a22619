#!/usr/bin/env bash
# Installs a release's installer under Wine as winget does, once for each scope
# its winget manifest offers, each in a fresh Wine prefix: silently (winget
# adds /S for a nullsoft installer) with the scope's own switches. Checks
# where the program lands and that the uninstall entry it writes is the one
# the manifest names: the key is ProductCode, under HKCU for the user scope
# and HKLM for the machine scope, with the DisplayName, Publisher and
# DisplayVersion of AppsAndFeaturesEntries; the other hive has none.
#
#   winget-install-test.sh DIST
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../helpers.sh"
dist=$(cd "$1" && pwd)
work=$(mktemp -d)
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid"; rm -rf "$work"' EXIT
manifest=$(find "$dist/winget" -name '*.installer.yaml')
installer=$(find "$dist" -maxdepth 1 -name 'morvelin-*-win64.exe')
# scope|switches|product code|display name|publisher|display version, a line each
/usr/bin/python3 - "$manifest" >"$work/scopes" <<'PY'
import sys
import yaml
manifest = yaml.safe_load(open(sys.argv[1], encoding="utf-8"))
for installer in manifest["Installers"]:
    entry = {**manifest, **installer}
    for shown in entry["AppsAndFeaturesEntries"]:
        print("|".join([entry["Scope"], entry["InstallerSwitches"]["Custom"], entry["ProductCode"],
                        shown["DisplayName"], shown["Publisher"], str(shown["DisplayVersion"])]))
PY
start_xvfb "$work"
passed=0 failed=0
check() { if "$@"; then echo "ok: $*"; passed=$((passed + 1)); else echo "FAIL: $*"; failed=$((failed + 1)); fi; }
value() { # HIVE KEY NAME: the value as reg query prints it
    local text
    text=$(wine reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$2" /v "$3" 2>/dev/null | tr -d '\r') || return 0
    sed -n "s/^ *$3 *REG_[A-Z_]* *//p" <<<"$text"
}
while IFS='|' read -r scope switches code name publisher version; do
    (
        passed=0 failed=0
        . "$here/wine-env.sh" "$work/prefix-$scope"
        case $scope in
        user) hive=HKCU other=HKLM dir="$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\Morvelin" ;;
        machine) hive=HKLM other=HKCU dir='C:\Program Files\Morvelin' ;;
        *) echo "FAIL: the manifest names the scope $scope"; exit 1 ;;
        esac
        # shellcheck disable=SC2086 # the switches are split as winget splits them
        check wine "$installer" /S $switches
        check test -f "$(winepath -u "$dir")/morvelin.exe"
        check test "$scope: $(value "$hive" "$code" DisplayName)" = "$scope: $name"
        check test "$scope: $(value "$hive" "$code" Publisher)" = "$scope: $publisher"
        check test "$scope: $(value "$hive" "$code" DisplayVersion)" = "$scope: $version"
        check test "$scope, $other: $(value "$other" "$code" DisplayName)" = "$scope, $other: "
        wineserver -k 2>/dev/null || true
        wineserver -w
        echo "$passed $failed" >"$work/count-$scope"
        [ "$failed" -eq 0 ]
    ) || failed=$((failed + 1))
    read -r p _ <"$work/count-$scope" && passed=$((passed + p))
done <"$work/scopes"
echo "winget-install-test: $passed checks passed, $failed scopes failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
