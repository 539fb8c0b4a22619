#!/usr/bin/env bash
# Fails if the .exe imports a DLL that does not ship with Windows 10, is not a
# 64-bit GUI-subsystem program, or lacks its manifest: run as invoker, made for
# Windows 10 and 11, and no DPI setting of its own (Qt sets per-monitor v2).
#
#   imports-test.sh EXE
set -euo pipefail
headers=$(x86_64-w64-mingw32-objdump -p "$1")
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
echo "imports:" $dlls
# The system DLLs a Widgets program may use; the Universal C runtime's
# api-ms-win-crt-* forwarders ship with Windows 10 as well.
system='^(advapi32|comdlg32|d3d11|d3d9|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|authz|mpr|api-ms-win-[a-z0-9-]+)\.dll$'
failed=0
for dll in $dlls; do
    [[ $dll =~ $system ]] || { echo "FAIL: imports $dll, which Windows does not ship"; failed=$((failed + 1)); }
done
gui=$'(^|\n)Subsystem[[:space:]]+00000002'
pe32plus=$'(^|\n)Magic[[:space:]]+020b'
[[ $headers =~ $gui ]] || { echo "FAIL: not a GUI-subsystem program"; failed=$((failed + 1)); }
[[ $headers =~ $pe32plus ]] || { echo "FAIL: not a 64-bit (PE32+) program"; failed=$((failed + 1)); }
manifest=$(grep -aoz '<assembly .*</assembly>' "$1" | tr -d '\0' || true)
[[ $manifest == *'level="asInvoker"'* && $manifest == *'{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'* &&
    $manifest != *dpiAware* ]] || { echo "FAIL: manifest: ${manifest:-none}"; failed=$((failed + 1)); }
[ "$failed" -eq 0 ] && echo "imports: only Windows system DLLs, GUI subsystem, 64-bit, a manifest"
[ "$failed" -eq 0 ]
