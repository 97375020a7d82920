#!/usr/bin/env bash
# Drives the built numconst in a private X server with a window manager, through real key
# presses and mouse clicks (xdotool), and reads the clipboard from another client (xclip).
set -euo pipefail
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

# -noreset: otherwise the server resets when its first client leaves, and later ones fail.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>/dev/null &
for _ in $(seq 50); do [[ -s $work/display ]] && break || sleep 0.1; done
export DISPLAY=:$(cat "$work/display") XDG_RUNTIME_DIR=$work
chmod 700 "$work"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
for _ in $(seq 50); do [[ -e $work/wm-ready ]] && break || sleep 0.1; done
"$1" -no-such-option 2>"$work/stderr" & # options that Qt does not know change nothing
app=$!
window=$(timeout 15 xdotool search --sync --onlyvisible --name '^MainWindow$' | head -n 1) ||
    { echo "FAIL: no window appeared" && cat "$work/stderr" && exit 1; }

click() { xdotool mousemove --window "$window" "$1" "$2" click 1 && sleep 0.2; }
retype() { click 400 22 && xdotool key ctrl+a && xdotool type --delay 50 -- "$1"; } # the field, at the top
press() { xdotool key "$1" && sleep 0.2; }

passed=0 failed=0 expected=''
expect() { # NAME [TEXT]: the clipboard comes to hold TEXT, or still holds the previous one
    [[ $# -eq 2 ]] && expected=$2 || sleep 0.5
    printf '%s' "$expected" >"$work/want"
    for _ in $(seq 25); do
        timeout 3 xclip -selection clipboard -o >"$work/got" 2>/dev/null || true
        cmp -s "$work/want" "$work/got" && echo "PASS: $1" && passed=$((passed + 1)) && return
        sleep 0.2
    done
    echo "FAIL: $1" && diff "$work/want" "$work/got" || failed=$((failed + 1))
}

retype '-2，3l,4.5d' && click 750 556 # the button, at the bottom right
expect 'both kinds of comma, button click' 'private static final int NUM_NE_2 = -2;
private static final long NUM_3L = 3L;
private static final double NUM_4.5D = 4.5D;'
retype '0x1d,<b>x</b>' && press Tab
expect 'Tab out of the field does not generate'
press Return
expect 'Return with the focus in the view' 'private static final double NUM_0X1D = 0X1D;
private static final int NUM_<B>X</B> = <B>X</B>;'
retype ' ßl，-' && press KP_Enter
expect 'keypad Enter in the field' 'private static final long NUM_ SSL =  SSL;
private static final int NUM_NE_ = -;'

press alt+F4
status=0 && wait "$app" || status=$?
[[ $status -eq 0 && ! -s $work/stderr ]] && echo "PASS: closing the window exits with 0" &&
    passed=$((passed + 1)) || { echo "FAIL: exit status $status" && cat "$work/stderr" && failed=$((failed + 1)); }
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
