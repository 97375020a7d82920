# Windows for e2e.sh: numconst.exe under Wine, in a Wine prefix of its own (or WINEPREFIX's), on
# the X server of x11.sh with a German keymap, so that ß is typed from a key of its own.
source "$(dirname "${BASH_SOURCE[0]}")/x11.sh"
eval "x11_$(declare -f server_start)"

server_start() {
    x11_server_start
    setxkbmap de # before Wine starts: it reads the layout once
    export WINEPREFIX=${WINEPREFIX:-$work/wine} WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
    export WINEQT_FORCE_STDERR_LOGGING=1 # Wine passes QT_ variables only under this name
    timeout 60 wine wineboot -i
}
app_start() { wine "$@" 2>"$work/stderr" & app=$!; }

# Windows takes a character that no key makes, such as the full-width comma, from an input method,
# which hands the field finished text. Here it is pasted from the Windows clipboard.
type_text() {
    local rest=$1
    while [[ $rest == *，* ]]; do
        xdotool type -- "${rest%%，*}" && timeout 20 wine "$helper" ff0c && xdotool key ctrl+v
        rest=${rest#*，}
    done
    xdotool type -- "$rest"
}
