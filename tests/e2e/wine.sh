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
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(IFS=, && echo "${planted[*]}")=n,b" \
        wine "./${1##*/}" "${@:2}" 2>"$work/stderr" &
    app=$!
}
server_stop() { wineserver -k; }
# Wine's own clipboard manager passes the clipboard between X11 and Windows, and gives out its
# formats. wine_probe.exe, in HELPER, tells whether Windows' clipboard holds what was put on X11's.
pasteable() { timeout 20 wine "$helper/wine_probe.exe" "$1"; }
# Has another client take the clipboard after Return, before numconst can copy: numconst is stopped
# before the key reaches it and goes on once Windows' clipboard holds the other client's text.
generate_and_take_clipboard() {
    kill -STOP "$app"
    press Return && hold_clipboard 'taken' && pasteable 'taken'
    local taken=$?
    kill -CONT "$app"
    return $taken
}

# Windows takes a character that no key makes, such as the full-width comma, from an input method,
# which hands the field finished text. Here an ASCII comma, which separates the same, stands in;
# the unit test, run as a Windows program, splits at the full-width one.
type_text() { xdotool type -- "${1//，/,}"; }
