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
MORVELIN_WINDOWS_QT=${MORVELIN_WINDOWS_QT:-$("$root/scripts/windows-qt")}
export MORVELIN_WINDOWS_QT
(umask 002 && TZ=Asia/Shanghai HOME=$out/home-1 "$root/scripts/release" --worktree "$out/1")
(umask 077 && TZ=America/Los_Angeles HOME=$out/home-2 "$root/scripts/release" --worktree "$out/2")
for file in "$out"/1/*; do
    cmp "$file" "$out/2/${file##*/}" || { echo "FAIL: ${file##*/} differs between the two builds"; exit 1; }
done
echo "reproducible: the two builds gave the same $(ls "$out/1" | wc -l) files"
