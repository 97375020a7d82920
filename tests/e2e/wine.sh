# Windows for e2e.sh: numconst.exe under Wine, in a Wine prefix of its own, on the X server of
# x11.sh with a German keymap, so that ß is typed from a key of its own, and Windows' display
# scale at 150 % (144 dots per inch).
xft_dpi=144
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"
eval "x11_$(declare -f server_start)"

server_start() {
    x11_server_start
    setxkbmap de # before Wine starts: it reads the layout once
    export WINEPREFIX=$work/wine TMPDIR=$work # Wine keeps its server's socket in TMPDIR
    timeout 60 wine wineboot -i
    timeout 20 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d $((96 * scale / 100)) /f >/dev/null
}
# libplanted_dll.dll, in HELPER, leaves a trace when it is loaded. numconst.exe runs from a folder
# that is also the current one, beside copies of it named after each DLL that it loads from
# outside Windows' KnownDLLs, which Wine is told to prefer to its own: none may run. (Not
# version.dll or msimg32.dll: Wine's own user32 imports the one, and its uxtheme delay-loads the
# other, from the exe's folder, which Windows does not do for its own DLLs.)
planted=(dwmapi netapi32 userenv uxtheme winmm wtsapi32 d3d9 dwrite opengl32)
app_start() {
    cp "$1" "$work" && cd "$work"
    for dll in "${planted[@]}"; do cp "$helper/libplanted_dll.dll" "$dll.dll"; done
    # Wine traces numconst's calls to the clipboard on its stderr, one line each.
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(IFS=, && echo "${planted[*]}")=n,b" \
        WINEDEBUG=-all,trace+clipboard wine "./${1##*/}" "${@:2}" 2>"$work/stderr" &
    app=$!
}
expected_messages='^[0-9a-f]*:trace:clipboard:'
server_stop() { wineserver -k; }
# Wine's own clipboard manager passes the clipboard between X11 and Windows, and gives out its
# formats. wine_probe.exe, in HELPER, tells whether Windows' clipboard holds what was put on X11's.
pasteable() { timeout 20 wine "$helper/wine_probe.exe" "$1"; }
# Has another program take Windows' clipboard and hold it open while numconst copies after Return,
# and let it go once numconst has tried a fourth time to open it for a copy (Wine traces each try; a
# paste opens it for no window): Qt's copy tries three times, 100 ms apart, so numconst's first copy
# has failed by then and it is copying again, and only that copy can put the lines on the clipboard.
# wine_probe.exe runs in numconst's folder.
tries() { grep -c ':trace:clipboard:NtUserOpenClipboard 0x' "$work/stderr"; }
generate_and_take_clipboard() {
    local before=$(tries) probe locked
    touch "$work/lock"
    timeout 30 wine "$helper/wine_probe.exe" --lock lock >"$work/locked" &
    probe=$!
    within 20 grep -q locked "$work/locked" && press Return &&
        within 10 eval '(($(tries) >= before + 4))'
    locked=$?
    rm "$work/lock"
    wait $probe && return $locked
}

# Windows takes a character that no key makes, such as the full-width comma, from an input method,
# which hands the field finished text. Here an ASCII comma, which separates the same, stands in;
# the unit test, run as a Windows program, splits at the full-width one.
type_text() { xdotool type -- "${1//，/,}"; }
