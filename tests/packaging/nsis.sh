#!/usr/bin/env bash
# Makes the installer of a built tree and installs it silently into a Wine prefix of its own, runs
# the end-to-end test on the installed numconst.exe, then uninstalls it: no file, Start-menu entry
# or registry entry may stay behind.
# Usage: nsis.sh BUILD_DIR SET_CLIPBOARD_EXE
set -euo pipefail
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cpack -G NSIS --config "$1/CPackConfig.cmake" -B "$work" >"$work/log" ||
    { cat "$work/log" && exit 1; }
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
dir=$WINEPREFIX/drive_c/Program\ Files/numconst
entry=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/numconst/numconst.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\numconst'
registered() { timeout 20 wine reg query "$key" >/dev/null 2>&1; }
timeout 60 wine "$work"/numconst-*-win64.exe /S
[[ -e $dir/numconst.exe && -e $entry ]] && registered || { echo "FAIL: installed"; exit 1; }
timeout 60 wineserver -w # so that the end-to-end run starts Wine anew, on its own display
bash "$(dirname "$0")/../e2e/e2e.sh" wine "$dir/numconst.exe" "$2"
timeout 60 wine "$dir/Uninstall.exe" /S
timeout 60 wineserver -w # the uninstaller goes on in a copy of itself once this returns
[[ ! -e $dir && ! -e ${entry%/*} ]] && ! registered || { echo "FAIL: uninstalled"; exit 1; }
