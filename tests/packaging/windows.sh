#!/usr/bin/env bash
# Checks numconst.exe and packs and checks its packages, in the build folder, under Wine on an X
# server. The exe is a GUI program whose imports are all KnownDLLs, carries its manifest and its
# icon at every size Windows asks for, and names neither Qt's folder nor the source's. Packed again
# under another umask and time zone, the packages are the same bytes. The ZIP holds the exe, its
# readme, the licences of the Qt and MinGW-w64 found (among them the notices named below) and
# nothing else of the build's licence folder, and the source that git tracks, and the installer
# installs the same. It upgrades, reinstalls into another folder and uninstalls, leaving
# one copy and one entry, then nothing but the files that the user put into the install folder,
# which stay through each; while numconst runs, it and the registered quiet uninstall fail and
# change no file and not the entry, and the quiet uninstall fails with 1, keeping its entry, while
# another program holds an installed file open.
# Usage: windows.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
work=$(mktemp -d)
untracked=$2/untracked-$$ # must not reach a package
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work" "$untracked"' EXIT
export WINEPREFIX=$work/wine TMPDIR=$work # Wine keeps its server's socket in TMPDIR
exe=$1/app/numconst.exe
fail() { echo "FAIL: $1" && exit 1; }

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
[[ $headers == *$'\nSubsystem\t\t00000002\t(Windows GUI)'* ]] || fail 'a GUI program'
known='advapi32|comdlg32|gdi32|imm32|kernel32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|ws2_32'
others=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | grep -viE "^($known)\.dll$" || true)
[[ -z $others ]] || fail "imports DLLs that are not KnownDLLs, from its own folder: $others"
wrestool -x --type=14 --name=IDI_ICON1 -o "$work/icon.ico" "$exe"
sizes=$(identify -format '%w ' "ico:$work/icon.ico")
[[ $sizes == '16 20 24 32 40 48 64 256 ' ]] || fail "icon sizes: $sizes"
[[ $(wrestool -x --raw --type=24 --name=1 "$exe") == *'<supportedOS Id="{8e0f7a12-'* ]] ||
    fail 'a manifest for Windows 10 and 11'
qt=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$1/CMakeCache.txt")
licences=$(sed -n 's/^NUMCONST_QT_LICENSES:[A-Z]*=//p' "$1/CMakeCache.txt")
! grep -aqF -e "$qt" -e "$(realpath "$2")" "$exe" || fail 'the exe names no folder of its build'

touch "$untracked"
(cd "$1" && cpack -G 'NSIS;ZIP') >"$work/log" || { cat "$work/log" && fail 'packed'; }
rm "$untracked"
sums=$(cd "$1" && sha256sum "numconst-$3-win64".{exe,zip})
(umask 002 && TZ=Asia/Tokyo cpack --config "$1/CPackConfig.cmake" -B "$work/again" -G 'NSIS;ZIP' \
    >/dev/null && cd "$work/again" && sha256sum --quiet -c <<<"$sums") ||
    fail 'packed again under another umask and time zone, the same bytes'
cpack --config "$1/CPackConfig.cmake" -B "$work/old" -G NSIS -D CPACK_PACKAGE_VERSION=0.9.0 \
    -D CPACK_PACKAGE_FILE_NAME=numconst-0.9.0 >"$work/log" || { cat "$work/log" && fail 'old'; }
zip=$work/numconst-$3-win64
(cd "$work" && cmake -E tar xf "$1/${zip##*/}.zip")
[[ $(cd "$zip" && find . -type f | sort) == $({ printf './%s\n' numconst.exe README.txt LICENSE.txt
    (cd "${licences:-$qt/licenses}" && find . -type f | sed 's|^\./|./licenses/Qt/|')
    echo ./licenses/MinGW-w64/copyright.txt
    git -C "$2" ls-files | sed 's|^|./source/|'; } | sort) ]] ||
    fail 'the ZIP holds the exe, its readme, the licences and the tracked source, and no more'
for notice in Qt/{LICENSE.LGPL3,SOURCE} Qt/src/3rdparty/{zlib/LICENSE,pcre2/LICENCE,libpng/LICENSE,\
libjpeg/LICENSE,harfbuzz-ng/COPYING,freetype/LICENSE.txt} MinGW-w64/copyright.txt; do
    [[ -s $zip/licenses/$notice ]] || fail "the ZIP carries the notice licenses/$notice"
done
grep -q winpthreads "$zip/licenses/MinGW-w64/copyright.txt" || fail "winpthreads' notices"

programs='C:\Program Files\numconst' other='C:\numconst'
folder() { winepath -u "$1" 2>/dev/null; }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\numconst'
entry() { timeout 20 wine reg query "$key" 2>&1 | tr -d '\r'; }
installed() { # VERSION FOLDER: the exe is there, whole, and the one entry names both
    [[ $(entry) == *"DisplayVersion    REG_SZ    $1"*"InstallLocation    REG_SZ    $2"* ]] &&
        cmp -s "$exe" "$(folder "$2")/numconst.exe"
}
run() { timeout 60 wine "$@"; } # gives the Windows program's exit status
files() { (cd "$1" && find . -type f -exec sha256sum {} + -o -print | sort); } # FOLDER's content
user=$work/user # files of the user's own, put into the install folders, where they must stay
mkdir -p "$user/source/build" && touch "$user"/{numconst.log,source/{CMakeLists.txt.user,build/a.o}}
only_user() { [[ $(files "$(folder "$1")") == $(files "$user") ]]; } # FOLDER holds just those
quiet_uninstall() { # runs the entry's QuietUninstallString as written
    [[ $(entry) =~ QuietUninstallString\ +REG_SZ\ +\"([^\"]+)\"\ (.*) ]] &&
        read -ra options <<<"${BASH_REMATCH[2]}" && run "${BASH_REMATCH[1]}" "${options[@]}"
}

run "$work"/old/numconst-0.9.0.exe /S && installed 0.9.0 "$programs" || fail 'installed'
cp -r "$user/." "$(folder "$programs")"
wine "$(folder "$programs")/numconst.exe" &
for _ in {1..200}; do xdotool search --name '^MainWindow$' >/dev/null && break || sleep 0.1; done
before=$(files "$(folder "$programs")"; entry)
! run "$1/${zip##*/}.exe" /S && [[ $(files "$(folder "$programs")"; entry) == "$before" ]] ||
    fail 'a silent upgrade fails, changing nothing, while numconst runs'
! quiet_uninstall && [[ $(files "$(folder "$programs")"; entry) == "$before" ]] ||
    fail 'the quiet uninstall fails, changing nothing, while numconst runs'
timeout 60 wineserver -k
run "$1/${zip##*/}.exe" /S && installed "$3" "$programs" || fail 'upgraded'
run "$1/${zip##*/}.exe" /S "/D=$other" && installed "$3" "$other" && only_user "$programs" ||
    fail "installed again, into another folder, the user's files kept and left alone in the first"
diff -r -x Uninstall.exe "$zip" "$(folder "$other")" || fail 'installed what the ZIP holds'
cp -r "$user/." "$(folder "$other")"

wine "$1/tests/wine_probe.exe" --hold 'C:\numconst\source\README.md' >"$work/held" &
for _ in {1..200}; do grep -q holding "$work/held" && break || sleep 0.1; done
[[ $(quiet_uninstall; echo $?) == 1 && $(entry) == *"DisplayVersion    REG_SZ    $3"* ]] ||
    fail 'the quiet uninstall fails, keeping its entry, while another program holds a file open'
timeout 60 wineserver -k
quiet_uninstall || fail 'the quiet uninstall ends with 0'
timeout 60 wineserver -w # and then a copy of it removes the uninstaller
menu=$(folder 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs')
only_user "$other" && [[ ! -e $menu/numconst.lnk && $(entry) == *'Unable to find'* ]] ||
    fail "uninstalled, leaving nothing behind but the user's files"
echo PASS
