#!/usr/bin/env bash
# Installs what Morvelin needs on Debian 12 (bookworm) or 13 (trixie). Safe to
# run again: only missing packages are installed; sudo is used only when not
# root.
#
#   scripts/deps.sh run     build and run the app
#   scripts/deps.sh test    everything the tests, benchmarks and checks need
#   scripts/deps.sh fuzz    the fuzzer build alone
#   scripts/deps.sh windows the Windows cross build, its packages and Wine
set -euo pipefail

# The fuzzer links the clang runtime of the release's own clang.
. /etc/os-release
case ${VERSION_CODENAME:-} in
bookworm) clang_runtime=libclang-rt-14-dev ;;
trixie) clang_runtime=libclang-rt-19-dev ;;
*) echo "deps.sh: Debian 12 (bookworm) or 13 (trixie) expected, not ${PRETTY_NAME:-this system}" >&2; exit 1 ;;
esac

# qt6-translations-l10n: Qt's Chinese texts, built into the program.
build=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-translations-l10n)
runtime=(qt6-qpa-plugins fonts-noto-cjk)
# qt6-gtk-platformtheme: a dark GNOME desktop; python3-pyatspi, at-spi2-core and
# dbus-daemon: a screen reader's view over the accessibility bus; python3-yaml:
# the winget manifest's test; openbox: a window manager, to move between windows.
test=(libgtest-dev libbenchmark-dev libxcb1-dev libxcb-damage0-dev xvfb xdotool xclip x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev file lintian qt6-gtk-platformtheme
    python3-pyatspi at-spi2-core dbus-daemon python3-yaml openbox)
fuzz=(clang "$clang_runtime" libgtest-dev)
analysis=(clang-tidy clang-format cppcheck gcovr)
# dpkg-dev: apt-get source unpacks with dpkg-source; imagemagick: screenshots;
# tesseract: reads a menu's words off the screen.
# osslsigncode, gpg and the PKCS#11 engine: scripts/sign; softhsm2: a token for its test.
windows=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis dpkg-dev
    xvfb xdotool xclip x11-utils imagemagick fonts-noto-cjk perl git
    tesseract-ocr tesseract-ocr-chi-sim osslsigncode gpg gpg-agent libengine-pkcs11-openssl
    softhsm2 unzip)

case ${1:-} in
run) wanted=("${build[@]}" "${runtime[@]}") ;;
test) wanted=("${build[@]}" "${runtime[@]}" "${test[@]}" "${fuzz[@]}" "${analysis[@]}") ;;
fuzz) wanted=(cmake ninja-build "${fuzz[@]}") ;;
windows) wanted=("${build[@]}" "${windows[@]}") ;;
*) echo "usage: $0 run|test|fuzz|windows" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
