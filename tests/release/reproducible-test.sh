#!/usr/bin/env bash
# Builds the release twice from the working tree, in different folders, time
# zones, umasks and home folders, and compares the files byte for byte. On a
# mismatch it names the first file that differs.
#
#   tests/release/reproducible-test.sh [OUT_DIR]   (default build/reproducible)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/build/reproducible}
rm -rf "$out"
mkdir -p "$out/home-1" "$out/home-2"
# The two home folders share the machine's cache (the Windows Qt, the Debian 13 root).
export XDG_CACHE_HOME=${XDG_CACHE_HOME:-$HOME/.cache}
MORVELIN_WINDOWS_QT=${MORVELIN_WINDOWS_QT:-$("$root/scripts/windows-qt")}
export MORVELIN_WINDOWS_QT
(umask 002 && TZ=Asia/Shanghai HOME=$out/home-1 "$root/scripts/release" --worktree "$out/1")
(umask 077 && TZ=America/Los_Angeles HOME=$out/home-2 "$root/scripts/release" --worktree "$out/2")
diff -r "$out/1" "$out/2" || { echo "FAIL: the two builds differ"; exit 1; }
echo "reproducible: the two builds gave the same $(find "$out/1" -type f | wc -l) files"
