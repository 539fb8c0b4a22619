# Sourced by the Wine tests: a private 64-bit prefix, quiet, with no menu
# entries written to the host's desktop and no Mono or Gecko prompts.
# Makes the prefix on first use and maps 宋体 and 黑体 to the Noto CJK faces
# (a Chinese Windows has them as SimSun and SimHei; a fresh Wine has neither).
# MORVELIN_WINE_DPI sets the prefix's screen density, Windows' LogPixels
# (96 = 100 %, 120 = 125 %, 144 = 150 %); MORVELIN_WINE_BUILD the Windows
# build it reports (by default 19045, Windows 10 22H2; 22631: Windows 11);
# MORVELIN_WINE_DARK=1 turns Windows' dark mode on for apps.
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
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "${MORVELIN_WINE_DPI:-96}" /f >/dev/null
    # Without a Version of its own, Wine reports the version the registry names
    # (a new prefix of Wine 8 names 6.1, Windows 7; Wine 10 reads the numbers).
    while read -r wine_env_name wine_env_type wine_env_data; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' \
            /v "$wine_env_name" /t "$wine_env_type" /d "$wine_env_data" /f >/dev/null
    done <<VERSION
CurrentVersion REG_SZ 10.0
CurrentMajorVersionNumber REG_DWORD 10
CurrentMinorVersionNumber REG_DWORD 0
CurrentBuild REG_SZ ${MORVELIN_WINE_BUILD:-19045}
CurrentBuildNumber REG_SZ ${MORVELIN_WINE_BUILD:-19045}
VERSION
    [ "${MORVELIN_WINE_DARK:-0}" = 0 ] || wine reg add \
        'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null
    wineserver -w
    touch "$WINEPREFIX/.morvelin-ready"
fi
