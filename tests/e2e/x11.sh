# X11 for e2e.sh: Xvfb with openbox, keys through XTEST (xdotool), the clipboard through xclip.
# The server claims 160 dots per inch, yet only the desktop's Xft.dpi sets the display's scale: at
# 0, which Qt takes as none, the window is 800 x 600 pixels, at 144 (150 %) 1200 x 900.
xft_dpi=${xft_dpi-$helper}
scale=$(((xft_dpi > 0 ? xft_dpi : 96) * 100 / 96))

server_start() {
    # -noreset: otherwise the server resets when its first client leaves, and later ones fail.
    Xvfb -displayfd 3 -noreset -screen 0 2048x1536x24 -dpi 160 3>"$work/display" 2>/dev/null &
    within 10 test -s "$work/display"
    # A home of its own, where openbox keeps its log and reads no settings of the user's.
    export DISPLAY=:$(cat "$work/display") XDG_RUNTIME_DIR=$work HOME=$work
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE
    xrdb -merge <<<"Xft.dpi: $xft_dpi"
    # xdotool types a character missing from the keymap by remapping a key for a moment, which
    # races with the application reading that key. Map every character typed here beforehand.
    xmodmap -e 'keycode 247 = ssharp' -e 'keycode 248 = 0x100ff0c'
    [[ $(xmodmap -pke) == *'keycode 247 = ssharp '*'keycode 248 = UFF0C '* ]] ||
        { echo 'FAIL: ß and ， on keys of their own' && return 1; }
    openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
    within 10 test -e "$work/wm-ready"
}
# Without a desktop DPI, numconst starts where Qt falls back to X11: a platform with no plugin
# first, then Wayland, whose compositor is gone, while the user's settings name a Wayland DPI and
# an unusable QT_FONT_DPI. It is given its display as an option. Qt says what it could not use.
((xft_dpi > 0)) || expected_messages='^(qt\.qpa\.plugin: Could not (find|load) the Qt platform '\
'plugin "(no-plugin|wayland)"|Failed to create wl_display)'
app_start() {
    ((xft_dpi > 0)) || set -- env -u DISPLAY XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=gone \
        QT_QPA_PLATFORM='no-plugin;wayland;xcb' QT_WAYLAND_FORCE_DPI=192 QT_FONT_DPI=0 "$1" \
        -display "$DISPLAY" "${@:2}"
    LD_PRELOAD=$preload HELD_COPY=$work/held "$@" 2>"$work/stderr" &
    app=$!
}
window_ready() { # shown, and holding the keyboard focus
    window=$(xdotool search --onlyvisible --name '^MainWindow$' 2>/dev/null | head -n 1) &&
        { [[ $(xdotool getactivewindow) == "$window" ]] || ! xdotool windowactivate "$window"; }
}
window_size() { xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p'; }
press() { xdotool key "$@"; }
type_text() { xdotool type -- "$1"; }
clipboard() { timeout 5 xclip -selection clipboard -o 2>/dev/null; }
pasteable() { [[ $(clipboard | head -c ${#1}) == "$1" ]]; } # TEXT: numconst would paste it
hold_clipboard() { xclip -selection clipboard -i -quiet < <(printf '%s' "$1") >/dev/null 2>&1 & }
# Has another client take the clipboard while a run is under way, before its copy, at which the
# preloaded library stops numconst until the other client answers a request for the clipboard. A
# request made before that client took it waits for numconst to answer it.
generate_and_take_clipboard() {
    touch "$work/held"
    press Return
    within 10 eval '[[ $(ps -o stat= -p $app) == T* ]]' && rm "$work/held" &&
        hold_clipboard 'taken' && within 10 eval '{ timeout 20 xclip -selection clipboard -o \
            >"$work/taken" 2>/dev/null & } && sleep 0.1 && [[ $(<"$work/taken") == taken ]]'
    local taken=$?
    kill -CONT "$app"
    return $taken
}
close_window() { wmctrl -i -c "$window"; } # openbox then sends WM_DELETE_WINDOW
