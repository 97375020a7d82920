# X11 for e2e.sh: Xvfb with openbox, keys through XTEST (xdotool), the clipboard through xclip,
# the display at 150 % (Xft.dpi 144), so that the window is 1200 x 900 pixels.
scale=150

server_start() {
    # -noreset: otherwise the server resets when its first client leaves, and later ones fail.
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 2048x1536x24 3>"$work/display" 2>/dev/null &
    within 10 test -s "$work/display"
    export DISPLAY=:$(cat "$work/display") XDG_RUNTIME_DIR=$work
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE
    xrdb -merge <<<"Xft.dpi: $((96 * scale / 100))"
    # xdotool types a character missing from the keymap by remapping a key for a moment, which
    # races with the application reading that key. Map every character typed here beforehand.
    xmodmap -e 'keycode 247 = ssharp' -e 'keycode 248 = 0x100ff0c'
    openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
    within 10 test -e "$work/wm-ready"
}
app_start() { "$@" 2>"$work/stderr" & app=$!; }
window_ready() { # shown, and holding the keyboard focus
    window=$(xdotool search --onlyvisible --name '^MainWindow$' 2>/dev/null | head -n 1) &&
        { [[ $(xdotool getactivewindow) == "$window" ]] || ! xdotool windowactivate "$window"; }
}
window_size() { xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p'; }
press() { xdotool key "$@"; }
type_text() { xdotool type -- "$1"; }
clipboard() { timeout 5 xclip -selection clipboard -o 2>/dev/null; }
clipboard_formats() { xclip -selection clipboard -o -t TARGETS >/dev/null 2>&1; }
hold_clipboard() { xclip -selection clipboard -i -quiet < <(printf '%s' "$1") >/dev/null 2>&1 & }
close_window() { wmctrl -i -c "$window"; } # openbox then sends WM_DELETE_WINDOW
