#!/usr/bin/env bash
# Checks that numconst.exe is a Windows GUI program (no console window), imports only DLLs that
# ship with Windows, and carries its icon, IDI_ICON1, at 16, 32, 48 and 256 pixels.
# Usage: windows_exe.sh EXE
set -euo pipefail
headers=$(x86_64-w64-mingw32-objdump -p "$1")
[[ $headers == *$'\nSubsystem\t\t00000002\t(Windows GUI)'* ]] ||
    { echo "FAIL: no GUI program" && exit 1; }
system='advapi32|comdlg32|dwmapi|gdi32|imm32|kernel32|msvcrt|mpr|netapi32|ole32|oleaut32|shell32'
system+='|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32'
others=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | grep -viE "^($system)\.dll$" || true)
[[ -z $others ]] || { echo "FAIL: imports DLLs that Windows lacks: $others"; exit 1; }
icon=$(mktemp) && trap 'rm -f "$icon"' EXIT
wrestool -x --type=14 --name=IDI_ICON1 -o "$icon" "$1"
sizes=$(identify -format '%wx%h ' "ico:$icon")
[[ $sizes == '16x16 32x32 48x48 256x256 ' ]] || { echo "FAIL: icon sizes: $sizes"; exit 1; }
