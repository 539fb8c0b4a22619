#!/usr/bin/env bash
# Builds the Debian package with cpack and checks its file name, its files
# and its Depends (the discovered Qt libraries plus fonts and translations).
#
#   deb-test.sh BUILD_DIR APP_ID VERSION SUMMARY
set -euo pipefail
build=$1
id=$2
version=$3
summary=$4
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
deb=$out/morvelin_${version}_amd64.deb
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$out"; exit 1; }

failed=0
# Whether $2, a list of lines, holds the line $1.
has_line() { [[ $'\n'$2$'\n' == *$'\n'$1$'\n'* ]]; }
files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in ./usr/bin/morvelin ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/icons/hicolor/48x48/apps/$id.png; do
    has_line "$file" "$files" || { echo "FAIL: $file is not in the package"; failed=$((failed + 1)); }
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Debian 13 renamed the Qt libraries for the 64-bit time_t transition (…t64).
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}' | sed 's/t64$//')
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
    qt6-qpa-plugins fonts-noto-cjk; do
    has_line "$package" "$names" ||
        { echo "FAIL: Depends lacks $package"; failed=$((failed + 1)); }
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || { echo "FAIL: Recommends lacks qt6-wayland"; failed=$((failed + 1)); }
[ "$(dpkg-deb -f "$deb" Package)" = morvelin ] || { echo "FAIL: package name"; failed=$((failed + 1)); }

# The summary once, on the first line; the long description's lines indented
# by one space, none of them a CMake list separator.
description=$(dpkg-deb -f "$deb" Description)
echo "Description: $description"
[ "${description%%$'\n'*}" = "$summary" ] || { echo "FAIL: the first line is not the summary"; failed=$((failed + 1)); }
[ "$(grep -cF "$summary" <<<"$description")" = 1 ] || { echo "FAIL: the summary is repeated"; failed=$((failed + 1)); }
body=$(tail -n +2 <<<"$description")
malformed=$(grep -cvE '^ [^ ;]' <<<"$body" || true)
if [ -z "$body" ] || [ "$malformed" != 0 ]; then
    echo "FAIL: the long description is missing or a line is not ' text'"; failed=$((failed + 1))
fi

# Debian's own checks: no error and no warning (informational tags do not
# count: the sanitizer and coverage builds are not hardened).
complaints=$(lintian "$deb" 2>&1 || true)
echo "lintian: $complaints"
if grep -qE '^[EW]: ' <<<"$complaints"; then echo "FAIL: lintian"; failed=$((failed + 1)); fi

echo "deb: $((18 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
