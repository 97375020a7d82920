#!/usr/bin/env bash
# Drives the built numconst on a private display server from the keyboard alone, as a user would,
# and reads the clipboard from another client.
# Usage: e2e.sh x11|wayland|wine EXECUTABLE [HELPER] [PRELOAD]. X11's HELPER is the desktop's
# Xft.dpi, and PRELOAD the library to preload into numconst (tests/e2e/preload.cpp); Wayland's
# HELPER is that library, which then blocks numconst's teardown; Wine's the folder of its helper
# programs.
set -euo pipefail
export LC_ALL=C.UTF-8 # xdotool and wtype type what is not ASCII only in a UTF-8 locale
work=$(mktemp -d)
trap '{ type -t server_stop && server_stop; kill $(jobs -p); } >/dev/null 2>&1
    wait; rm -rf "$work"' EXIT
within() { # SECONDS COMMAND...: runs COMMAND until it succeeds, for at most SECONDS
    local deadline=$((SECONDS + $1))
    until "${@:2}"; do ((SECONDS < deadline)) && sleep 0.05 || return 1; done
}

# The display server's own file sets the display's scale in percent, and may set expected_messages;
# it defines server_start, app_start (sets $app), window_ready, window_size, press, type_text,
# clipboard, hold_clipboard, close_window and, but for Wayland, pasteable and
# generate_and_take_clipboard, and may define server_stop.
helper=${3:-} preload=${4:-}
source "$(dirname "$0")/$1.sh"
server_start
app_start "$2" -no-such-option # options that Qt does not know change nothing
within 20 window_ready || { echo "FAIL: no window" && cat "$work/stderr" && exit 1; }

failed=0
check() { "${@:2}" && echo "PASS: $1" || { echo "FAIL: $1" && failed=1; }; }
clipboard_is() { [[ $(clipboard) == "$1" ]]; }
expect() { # NAME LINES: the clipboard comes to hold LINES; shows what it holds otherwise
    check "$1" within 10 clipboard_is "$2"
    clipboard_is "$2" || { clipboard | head -c 500 || true; echo; }
}

# The window's 800 x 600 are the desktop's units, whatever the display's scale.
size=$((8 * scale))x$((6 * scale))
within 5 eval '[[ $(window_size) == "$size" ]]' || true
check "a window of $size pixels at $scale % (got $(window_size))" test "$(window_size)" == "$size"

# The focus starts in the view; Tab goes on to the button, then to the field, selecting its text.
press Tab Tab
type_text '-2，3l, ßl'
press KP_Enter
expect 'keypad Enter in the field, both kinds of comma, a sharp s' 'private static final int NUM_NE_2 = -2;
private static final long NUM_3L = 3L;
private static final long NUM_ SSL =  SSL;'
press Tab Tab Tab
type_text '0x1d'
press Tab Tab space
expect 'the button' 'private static final double NUM_0X1D = 0X1D;'
press Tab
type_text '<b>x</b>'
press Tab Return
expect 'Return in the view' 'private static final int NUM_<B>X</B> = <B>X</B>;'

# A long list pasted from another client, generated, then generated again while a third client (a
# clipboard manager, say) takes the clipboard: numconst's lines must land there all the same. That
# is not so on Wayland, whose compositors refuse a selection set with an input serial older than
# the selection's and tell the client nothing.
if [[ $1 != wayland ]]; then
    hold_clipboard "$(seq -s , 20000)"
    within 20 pasteable 1,2,3,4,5
    press Tab Tab ctrl+v Return
    lines=$(seq 20000 | sed 's/.*/private static final int NUM_& = &;/')
    expect 'a long list pasted into the field' "$lines"
    check 'another client took the clipboard while it ran again' generate_and_take_clipboard
    expect 'the lines on the clipboard all the same' "$lines"
    press Tab
fi

# Once numconst has closed, it has handled the Tab before; the clipboard then still holds the
# other client's text only if nothing was generated.
hold_clipboard 'held'
check 'another client holds the clipboard' within 10 clipboard_is 'held'
press Tab Tab
type_text '1'
press Tab
close_window
closed=${EPOCHREALTIME/[.,]/}
check 'closing the window ends numconst' within 10 eval '! kill -0 $app 2>/dev/null'
ended=${EPOCHREALTIME/[.,]/}
# The preloaded library blocks the teardown; then only numconst's deadline, 2 s on, ends it.
[[ $1 != wayland || -z $helper ]] || check 'the teardown blocked and its deadline ended numconst' \
    eval '[[ -e $work/blocked ]] && ((ended - closed > 1500000))'
[[ $1 != wine ]] || check 'no DLL planted beside numconst.exe ran' eval '! compgen -G "$work/*.ran"'
kill -0 "$app" 2>/dev/null && kill -KILL "$app" # so that waiting for it cannot hang
check 'Tab out of the field does not generate' clipboard_is 'held'
status=0 && wait "$app" || status=$?
# Nothing but the lines that the display server's file expects (expected_messages, a pattern).
grep -vE "${expected_messages:-^\$.}" "$work/stderr" >"$work/messages" || true
check "exit status 0 (got $status), nothing on stderr" test $status -eq 0 -a ! -s "$work/messages"
cat "$work/messages"
exit $failed
