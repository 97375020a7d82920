#!/usr/bin/env bash
# Checks numconst.exe and its packages, under Wine on an X server. The exe is a GUI program that
# imports only DLLs that ship with Windows and carries its manifest and its icon at every size
# Windows asks for. The ZIP and the installer hold the same bytes and every licence notice owed.
# The installer upgrades, reinstalls into another folder and uninstalls, leaving one copy and one
# entry, then nothing; while numconst runs, it and the uninstaller fail and change nothing.
# Usage: windows.sh BUILD_DIR VERSION
set -euo pipefail
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/wine TMPDIR=$work # Wine keeps its server's socket in TMPDIR
exe=$1/app/numconst.exe
fail() { echo "FAIL: $1" && exit 1; }

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
[[ $headers == *$'\nSubsystem\t\t00000002\t(Windows GUI)'* ]] || fail 'a GUI program'
system='advapi32|comdlg32|dwmapi|gdi32|imm32|kernel32|msvcrt|mpr|netapi32|ole32|oleaut32|shell32'
system+='|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32'
others=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | grep -viE "^($system)\.dll$" || true)
[[ -z $others ]] || fail "imports DLLs that Windows lacks: $others"
wrestool -x --type=14 --name=IDI_ICON1 -o "$work/icon.ico" "$exe"
sizes=$(identify -format '%w ' "ico:$work/icon.ico")
[[ $sizes == '16 20 24 32 40 48 64 256 ' ]] || fail "icon sizes: $sizes"
[[ $(wrestool -x --raw --type=24 --name=1 "$exe") == *'<supportedOS Id="{8e0f7a12-'* ]] ||
    fail 'a manifest for Windows 10 and 11'

pack() { # BUILD_DIR INTO CPACK_OPTIONS...
    cpack --config "$1/CPackConfig.cmake" -B "$work/$2" "${@:3}" >"$work/log" ||
        { cat "$work/log" && fail "packed into $2"; }
}
pack "$1" new -G 'NSIS;ZIP'
pack "$1" old -G NSIS -D CPACK_PACKAGE_VERSION=0.9.0 -D CPACK_PACKAGE_FILE_NAME=numconst-0.9.0
(cd "$work" && cmake -E tar xf new/numconst-*-win64.zip)
programs='C:\Program Files\numconst' other='C:\numconst'
folder() { winepath -u "$1" 2>/dev/null; }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\numconst'
entry() { timeout 20 wine reg query "$key" 2>&1 | tr -d '\r'; }
installed() { # VERSION FOLDER: the exe is there, whole, and the one entry names both
    [[ $(entry) == *"DisplayVersion    REG_SZ    $1"*"InstallLocation    REG_SZ    $2"* ]] &&
        cmp -s "$exe" "$(folder "$2")/numconst.exe"
}
run() { timeout 60 wine "$@"; } # gives the Windows program's exit status

run "$work"/old/numconst-0.9.0.exe /S && installed 0.9.0 "$programs" || fail 'installed'
wine "$(folder "$programs")/numconst.exe" &
for _ in {1..200}; do xdotool search --name '^MainWindow$' >/dev/null && break || sleep 0.1; done
! run "$work"/new/numconst-*.exe /S && installed 0.9.0 "$programs" ||
    fail 'a silent upgrade fails, changing nothing, while numconst runs'
# Run in place, with _?=, an uninstaller's exit status is its own; _?= takes no quotes.
! run "$(folder "$programs")/Uninstall.exe" /S "_?=$(winepath -s "$programs")" &&
    installed 0.9.0 "$programs" || fail 'a silent uninstall fails, changing nothing, while it runs'
timeout 60 wineserver -k
run "$work"/new/numconst-*.exe /S && installed "$2" "$programs" || fail 'upgraded'
run "$work"/new/numconst-*.exe /S "/D=$other" && installed "$2" "$other" &&
    [[ ! -e $(folder "$programs") ]] || fail 'installed again, into another folder'
for copy in "$work"/numconst-*-win64 "$(folder "$other")"; do
    cmp "$exe" "$copy/numconst.exe" || fail "the same exe in $copy"
    for notice in Qt/LICENSE.LGPL3 Qt/src/3rdparty/zlib/LICENSE MinGW-w64/copyright.txt; do
        [[ -s $copy/licenses/$notice ]] || fail "$notice in $copy"
    done
done

run "$(folder "$other")/Uninstall.exe" /S
timeout 60 wineserver -w # the uninstaller goes on in a copy of itself once this returns
menu=$(folder 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs')
[[ ! -e $(folder "$other") && ! -e $menu/numconst.lnk && $(entry) == *'Unable to find'* ]] ||
    fail 'uninstalled, leaving nothing behind'
echo PASS
