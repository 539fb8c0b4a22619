#!/usr/bin/env bash
# Installs what Morvelin needs on Debian 12 (bookworm) or 13 (trixie). Safe to
# run again: only missing packages are installed; sudo is used only when not
# root.
#
#   scripts/deps.sh run     build and run the app
#   scripts/deps.sh test    everything the tests, benchmarks and checks need
#   scripts/deps.sh fuzz    the fuzzer build alone
#   scripts/deps.sh windows what the Windows build and its tests need here: Wine
#                           and the test tools, and the build's own packages
#                           (Debian 13) or mmdebstrap for its root (Debian 12)
#   scripts/deps.sh windows-build  the Windows build's packages, in the Debian 13
#                           userland it runs in (scripts/debian13)
#   scripts/deps.sh arm64-build  the arm64 package's cross build, in the root
#                           with arm64 added that it runs in (scripts/arm64-deb)
#   scripts/deps.sh GROUP --list   prints the group's packages, installs nothing
set -euo pipefail

# The fuzzer links the clang runtime of the release's own clang.
. /etc/os-release
# The Windows build runs in a Debian 13 userland: this machine on Debian 13, a
# root made with mmdebstrap on Debian 12.
case ${VERSION_CODENAME:-} in
bookworm) clang_runtime=libclang-rt-14-dev windows_userland=mmdebstrap ;;
trixie) clang_runtime=libclang-rt-19-dev windows_userland=windows-build ;;
*) echo "deps.sh: Debian 12 (bookworm) or 13 (trixie) expected, not ${PRETTY_NAME:-this system}" >&2; exit 1 ;;
esac

# qt6-translations-l10n: Qt's Chinese texts, built into the program.
build=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-translations-l10n)
runtime=(qt6-qpa-plugins fonts-noto-cjk)
# qt6-gtk-platformtheme: a dark GNOME desktop; python3-pyatspi, at-spi2-core and
# dbus-daemon: a screen reader's view over the accessibility bus; python3-yaml:
# the winget manifest's test; openbox: a window manager, to move between windows;
# fcitx5 with pinyin and its Qt 6 module: a Chinese input method; sway and
# qt6-wayland: a Wayland desktop; mmdebstrap, arch-test and qemu-user-static: the clean
# amd64 and arm64 roots the apt test installs Morvelin in.
test=(libgtest-dev libbenchmark-dev libxcb1-dev libxcb-damage0-dev xvfb xdotool xclip x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev file lintian qt6-gtk-platformtheme
    python3-pyatspi at-spi2-core dbus-daemon python3-yaml openbox
    fcitx5 fcitx5-chinese-addons fcitx5-frontend-qt6 sway qt6-wayland
    mmdebstrap arch-test qemu-user-static)
fuzz=(clang "$clang_runtime" libgtest-dev)
analysis=(clang-tidy clang-format cppcheck gcovr)
# The Windows build: the cross compilers, the host's Qt tools and translations
# of the same Qt version as the Windows Qt, NSIS; dpkg-dev: apt-get source
# unpacks the Qt source with dpkg-source.
# scripts/sign rebuilds and signs there too: osslsigncode, gpg, gpgv (checks
# the apt repository's signatures as apt does), the PKCS#11 engine, softhsm2
# (the signing test's token), unzip.
windows_build=("${build[@]}" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis dpkg-dev
    osslsigncode gpg gpgv gpg-agent libengine-pkcs11-openssl softhsm2 unzip)
# The arm64 package: the cross compiler, Debian's arm64 Qt, and the build
# machine's Qt for its tools (moc, rcc) and their CMake files.
arm64_build=(g++-aarch64-linux-gnu binutils-aarch64-linux-gnu cmake ninja-build dpkg-dev file
    qt6-base-dev qt6-base-dev:arm64 qt6-translations-l10n)
# imagemagick: screenshots; tesseract: reads a menu's words off the screen;
# binutils-mingw-w64: reads the exe's imports; osslsigncode, gpg and the PKCS#11
# engine: scripts/sign; softhsm2: a token for its test.
windows=(wine wine64 binutils-mingw-w64-x86-64 xvfb xdotool xclip x11-utils imagemagick fonts-noto-cjk
    perl git tesseract-ocr tesseract-ocr-chi-sim osslsigncode gpg gpg-agent libengine-pkcs11-openssl
    softhsm2 unzip)

case ${1:-} in
run) wanted=("${build[@]}" "${runtime[@]}") ;;
test) wanted=("${build[@]}" "${runtime[@]}" "${test[@]}" "${fuzz[@]}" "${analysis[@]}") ;;
fuzz) wanted=(cmake ninja-build "${fuzz[@]}") ;;
windows) wanted=("${build[@]}" "${windows[@]}") ;;
windows-build) wanted=("${windows_build[@]}") ;;
arm64-build) wanted=("${arm64_build[@]}") ;;
*) echo "usage: $0 run|test|fuzz|windows|windows-build|arm64-build [--list]" >&2; exit 2 ;;
esac
if [ "$1" = windows ] && [ "$windows_userland" = mmdebstrap ]; then
    wanted+=(mmdebstrap arch-test)
elif [ "$1" = windows ]; then
    wanted+=("${windows_build[@]}")
fi
if [ "${2:-}" = --list ]; then
    printf '%s\n' "${wanted[@]}"
    exit 0
fi

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
# A desktop's software updater holds apt's locks for minutes at a time: apt
# waits up to five minutes for them instead of failing. It waits for the dpkg
# lock itself (DPkg::Lock::Timeout, saying so); apt-get update does not wait
# for the package lists' lock, so it is tried again while another apt holds it.
patience=300
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=$patience)
echo "Installing: ${missing[*]}"
deadline=$((SECONDS + patience)) waiting=
until output=$("${apt[@]}" update 2>&1); do
    case $output in *"Could not get lock"*) ;; *) deadline=0 ;; esac
    if [ $SECONDS -ge $deadline ]; then
        printf '%s\n' "$output" >&2
        exit 1
    fi
    [ -n "$waiting" ] || echo "deps.sh: another apt is updating the package lists; waiting for it (5 minutes at most)" >&2
    waiting=1
    sleep 1
done
printf '%s\n' "$output"
"${apt[@]}" install -y --no-install-recommends "${missing[@]}"
