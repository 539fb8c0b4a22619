# Sourced by the Wine tests: a private 64-bit prefix, quiet, with no menu
# entries written to the host's desktop and no Mono or Gecko prompts.
# Makes the prefix on first use and maps 宋体 and 黑体 to the Noto CJK faces
# (a Chinese Windows has them as SimSun and SimHei; a fresh Wine has neither).
#
#   . wine-env.sh PREFIX
export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/.morvelin-ready" ]; then
    rm -rf "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    replacements='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$replacements" /v 宋体 /t REG_SZ /d "Noto Serif CJK SC" /f >/dev/null
    wine reg add "$replacements" /v 黑体 /t REG_SZ /d "Noto Sans CJK SC" /f >/dev/null
    wineserver -w
    touch "$WINEPREFIX/.morvelin-ready"
fi
