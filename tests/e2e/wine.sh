# Windows for e2e.sh: numconst.exe under Wine, in a Wine prefix of its own, on the X server of
# x11.sh with a German keymap, so that ß is typed from a key of its own, and Windows' display
# scale at x11.sh's 150 % (144 dots per inch).
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
app_start() { wine "$@" 2>"$work/stderr" & app=$!; }
server_stop() { wineserver -k; }

# Windows takes a character that no key makes, such as the full-width comma, from an input method,
# which hands the field finished text. Here an ASCII comma, which separates the same, stands in;
# the unit test, run as a Windows program, splits at the full-width one.
type_text() { xdotool type -- "${1//，/,}"; }
