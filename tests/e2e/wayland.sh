# Wayland for e2e.sh: a headless sway, keys from virtual keyboards (wtype), the clipboard through
# wl-clipboard. numconst starts as in a Wayland session: no DISPLAY and no QT_QPA_PLATFORM. The
# output's scale is 2, and the window 800 x 600 in sway's logical pixels.
scale=100

# sway refuses to run as root; then it and every client run as nobody. Whatever runs in the
# background is started with "${as_user[@]}", not through a function, so that $! is its own.
as_user=()
[[ $(id -u) -ne 0 ]] || as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
session() { "${as_user[@]}" "$@"; }

server_start() {
    unset DISPLAY QT_QPA_PLATFORM
    export XDG_RUNTIME_DIR=$work/runtime HOME=$work XDG_SESSION_TYPE=wayland
    ((${#as_user[@]} == 0)) || chown nobody:nogroup "$work"
    session mkdir -m 700 "$XDG_RUNTIME_DIR"
    printf '%s\n' 'output * scale 2' 'for_window [title="^MainWindow$"] floating enable' \
        >"$work/sway.conf"
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        "${as_user[@]}" sway --config "$work/sway.conf" >"$work/sway.log" 2>&1 &
    within 10 eval 'SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock")' ||
        { cat "$work/sway.log" && return 1; }
    WAYLAND_DISPLAY=$(basename "$(compgen -G "$XDG_RUNTIME_DIR/wayland-*.lock")" .lock)
    export SWAYSOCK WAYLAND_DISPLAY
    # With no input device the seat has a keyboard only while a virtual one exists: keep one.
    "${as_user[@]}" wtype -s 2000000000 x &
    within 10 eval 'session swaymsg -t get_inputs | grep -q "\"type\": \"keyboard\""'
}
app_start() {
    cp "$1" ${helper:+"$helper"} "$work" # where nobody may run them
    "${as_user[@]}" env \
        ${helper:+LD_PRELOAD="$work/${helper##*/}" STUCK_TEARDOWN_TRACE="$work/blocked"} \
        "$work/${1##*/}" "${@:2}" 2>"$work/stderr" &
    app=$!
}
window_ready() { session swaymsg '[title="^MainWindow$"] focus' >/dev/null 2>&1; }
window_size() {
    session swaymsg -t get_tree | jq -r '.. | select(.name? == "MainWindow") | .geometry |
        "\(.width)x\(.height)"'
}
press() { session wtype $(printf -- '-k %s ' "$@"); }
type_text() { session wtype -- "$1"; }
clipboard() { timeout 5 "${as_user[@]}" wl-paste --no-newline 2>/dev/null; }
hold_clipboard() { "${as_user[@]}" wl-copy --foreground -- "$1" & }
close_window() { session swaymsg '[title="^MainWindow$"] kill' >/dev/null; }
