#!/usr/bin/env bash
# Drives the built numconst in a private X server with real key presses and mouse clicks
# (xdotool) and reads the clipboard back from another X client (xclip).
# Usage: e2e.sh NUMCONST CLOSEWINDOW
set -euo pipefail
app=$1 closewindow=$2

work=$(mktemp -d)
xvfb_pid='' app_pid=''
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# -noreset: without it the server resets when its first client leaves and later ones fail.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Options Qt does not know must change nothing.
"$app" -no-such-option value >"$work/app.log" 2>&1 &
app_pid=$!
window=$(timeout 15 xdotool search --sync --onlyvisible --name '^MainWindow$' | head -n 1)
[[ -n $window ]] || { cat "$work/app.log"; echo "no window appeared"; exit 1; }

# Places inside the 800x600 window: the field along the top, the view below it,
# the button at the bottom right above the status bar.
click() {
    local x y
    case $1 in
        field) x=400 y=22 ;;
        view) x=400 y=300 ;;
        button) x=750 y=556 ;;
    esac
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.2
}
type_text() { xdotool type --delay 15 -- "$1"; }
key() { xdotool key "$@"; sleep 0.2; }
retype() { key ctrl+a; type_text "$1"; }

passed=0 failed=0 expected=''
clipboard_is() {
    printf '%s' "$1" >"$work/want"
    timeout 3 xclip -selection clipboard -o >"$work/got" 2>/dev/null && cmp -s "$work/want" "$work/got"
}
check() { # NAME EXPECTED: the clipboard must come to hold EXPECTED exactly
    local name=$1
    expected=$2
    for _ in $(seq 25); do
        if clipboard_is "$expected"; then
            echo "PASS: $name"
            passed=$((passed + 1))
            return
        fi
        sleep 0.2
    done
    echo "FAIL: $name"
    diff "$work/want" "$work/got" || true
    failed=$((failed + 1))
}
check_unchanged() { # NAME: nothing generated, the clipboard still holds the last result
    sleep 0.5
    check "$1" "$expected"
}

click field
type_text '1,-2，3l,4.5d'
click button
check 'button click, both kinds of comma' 'private static final int NUM_1 = 1;
private static final int NUM_NE_2 = -2;
private static final long NUM_3L = 3L;
private static final double NUM_4.5D = 4.5D;'

click field
retype '0x1d,<b>x</b>'
key Tab
check_unchanged 'tab out of the field does not generate'

key Return
check 'return with the focus in the view' 'private static final double NUM_0X1D = 0X1D;
private static final int NUM_<B>X</B> = <B>X</B>;'

click field
retype ' 7，,-'
key KP_Enter
check 'keypad enter in the field' 'private static final int NUM_ 7 =  7;
private static final int NUM_ = ;
private static final int NUM_NE_ = -;'

retype 'abc,3l '
key Return
check 'return in the field' 'private static final int NUM_ABC = ABC;
private static final int NUM_3L  = 3L ;'

type_text ',ßd'
click view
check_unchanged 'click into the view does not generate'

click button
check 'button click after editing' 'private static final int NUM_ABC = ABC;
private static final int NUM_3L  = 3L ;
private static final double NUM_SSD = SSD;'

"$closewindow" "$window"
status=0
timeout 10 tail --pid="$app_pid" -f /dev/null || status=$?
if [[ $status -eq 0 ]]; then
    wait "$app_pid" && status=0 || status=$?
    app_pid=''
fi
if [[ $status -eq 0 ]]; then
    echo "PASS: closing the window exits with 0"
    passed=$((passed + 1))
else
    echo "FAIL: closing the window (status $status)"
    failed=$((failed + 1))
fi

if [[ -s $work/app.log ]]; then
    echo "numconst printed:"
    cat "$work/app.log"
    failed=$((failed + 1))
fi
echo "e2e: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
