#!/usr/bin/env bash
# Installs what Morvelin needs on Debian 12. Safe to run again: only missing
# packages are installed; sudo is used only when not root.
#
#   scripts/deps.sh run     build and run the app
#   scripts/deps.sh test    everything the tests, benchmarks and checks need
#   scripts/deps.sh fuzz    the fuzzer build alone
set -euo pipefail

build=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev)
runtime=(qt6-qpa-plugins qt6-translations-l10n fonts-noto-cjk)
test=(libgtest-dev libbenchmark-dev libxcb1-dev xvfb xdotool xclip x11-utils desktop-file-utils appstream dpkg-dev file)
fuzz=(clang libclang-rt-14-dev libgtest-dev)
analysis=(clang-tidy cppcheck gcovr)

case ${1:-} in
run) wanted=("${build[@]}" "${runtime[@]}") ;;
test) wanted=("${build[@]}" "${runtime[@]}" "${test[@]}" "${fuzz[@]}" "${analysis[@]}") ;;
fuzz) wanted=(cmake ninja-build "${fuzz[@]}") ;;
*) echo "usage: $0 run|test|fuzz" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
