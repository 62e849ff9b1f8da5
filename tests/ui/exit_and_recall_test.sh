#!/usr/bin/env bash
# Runs tavrik on a virtual X server with a window manager and a tray, and
# ends or recalls it as the desktop does: SIGTERM, SIGHUP and SIGINT save as
# "終了" does; kill -9 a second after a sum loses nothing that is kept; a
# second start shows, raises and activates the running window, from the tray
# and from under another window, and ends within a second. Each with its
# setting on and off.
# Usage: exit_and_recall_test.sh TAVRIK-EXECUTABLE. Exit 77 (skipped) when a tool is missing.
set -euo pipefail

tavrik=$1
for tool in Xvfb xdpyinfo xdotool xprop xmessage openbox trayer iconv; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
# shellcheck source=../../scripts/xvfb.sh
. "$(dirname "$0")/../../scripts/xvfb.sh"
helpers=()
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill -9 "$app_pid" 2> /dev/null || true
    for pid in "${helpers[@]}"; do kill "$pid" 2> /dev/null || true; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

xvfb_screen=1280x900x24 start_xvfb || { echo "skipped: Xvfb did not start"; exit 77; }
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
openbox > /dev/null 2>&1 &
helpers+=($!)
trayer --edge top --align right --widthtype pixel --width 60 --height 24 --SetDockType true > /dev/null 2>&1 &
helpers+=($!)

cp "$tavrik" "$work/tavrik"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
state_file=$work/state/tavrik/state.txt

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Evaluates the command until it succeeds, for at most $1 seconds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until eval "$*" 2> /dev/null; do
        (( SECONDS < deadline )) || return 1
        sleep 0.05
    done
}

# The window manager takes over the screen a moment after it starts; until
# then no window can be activated.
wait_until 10 "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    { echo "FAIL: the window manager did not start"; exit 1; }

# Starts tavrik with the given [Tavrik] lines, numeric keypad keys for "+"
# and Enter for "=", and waits for its window.
start() {
    printf '%s\r\n' '[Tavrik]' 'Set=標準' "$@" 'KeyN107=++++' 'KeyN13=====' \
        '[標準]' 'Disp=DBM/FSH' | iconv -t cp932 > "$work/Tavrik.ini"
    # A background job of a script starts with SIGINT ignored; a terminal's does not.
    env --default-signal=INT "$work/tavrik" > /dev/null 2>&1 &
    app_pid=$!
    disown "$app_pid"
    window=""
    wait_until 20 "xdotool search --onlyvisible --name '^Tavrik\$' > /dev/null" &&
        window=$(xdotool search --onlyvisible --name '^Tavrik$' | head -n 1)
    [ -n "$window" ] || { echo "FAIL: the Tavrik window did not appear"; exit 1; }
    # The running copy listens once its window is up.
    wait_until 10 "compgen -G '$work/run/tavrik-*.socket' > /dev/null" ||
        fail "no socket for a second start"
}

# Ends the program with a signal and waits for it to end by itself.
end_with() {
    kill "-$1" "$app_pid"
    timeout 10 tail --pid="$app_pid" -f /dev/null || fail "SIG$1 did not end the program"
    app_pid=""
}

kill_hard() {
    kill -9 "$app_pid"
    timeout 10 tail --pid="$app_pid" -f /dev/null
    app_pid=""
}

type_sum() {
    xdotool windowactivate --sync "$window" key --clearmodifiers 1 2 KP_Add 3 Return
}

# The history of "12+3=" in the state file: its operand lines and "#=".
kept_sum() {
    [ -f "$state_file" ] && iconv -f cp932 "$state_file" | tr -d '\r' |
        grep -qx '#=' && grep -q '2: 3' "$state_file"
}

# Signals save as "終了" does: the window bounds with Save=1, the kept state
# with KeepState=1, nothing without them.
for signal in TERM HUP INT; do
    rm -rf "$work/state"
    start 'Save=1' 'KeepState=1'
    type_sum
    end_with "$signal"
    grep -q '^Width=' "$work/Tavrik.ini" || fail "SIG$signal: the window bounds were not saved"
    kept_sum || fail "SIG$signal: the sum was not kept"
done
rm -rf "$work/state"
start 'Save=0'
type_sum
end_with TERM
grep -q '^Width=' "$work/Tavrik.ini" && fail "Save=0: the window bounds were saved"
[ -e "$state_file" ] && fail "KeepState off: a state file was written"

# kill -9 a second after "12+3=" loses nothing that is kept.
start 'KeepState=1'
type_sum
sleep 1
kill_hard
kept_sum || fail "kill -9: the sum a second before was lost"
rm -rf "$work/state"
start 'KeepState=0'
type_sum
sleep 1
kill_hard
[ -e "$state_file" ] && fail "kill -9 with KeepState off: a state file was written"

# A second start ends within a second; with RaiseRunning the first window is
# then shown, on top and active.
second_start() {
    local started ended
    started=$(date +%s%N)
    timeout 5 "$work/tavrik" > /dev/null 2>&1 || fail "$1: the second start failed or hung"
    ended=$(date +%s%N)
    (( (ended - started) / 1000000 < 1000 )) ||
        fail "$1: the second start took $(( (ended - started) / 1000000 )) ms"
}
active_is_tavrik() {
    [ "$(xdotool getactivewindow 2> /dev/null)" = "$window" ]
}

start 'RaiseRunning=1' 'TSR=1'
tray_icon_shown() {
    local id
    for id in $(xdotool search --onlyvisible --class tavrik); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        (( WIDTH <= 32 && HEIGHT <= 32 )) && return 0
    done
    return 1
}
wait_until 10 tray_icon_shown || fail "no tray icon"
xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
wait_until 10 "! xdotool search --onlyvisible --name '^Tavrik\$' > /dev/null" ||
    fail "closing did not hide the window in the tray"
second_start "from the tray"
wait_until 5 "xdotool search --onlyvisible --name '^Tavrik\$' > /dev/null" ||
    fail "a second start did not show the window hidden in the tray"
wait_until 5 active_is_tavrik || fail "the window shown from the tray is not active"

xmessage -geometry 1200x800+0+0 cover > /dev/null 2>&1 &
cover=$!
helpers+=("$cover")
wait_until 10 "xdotool search --onlyvisible --name '^xmessage\$' > /dev/null" || fail "no covering window"
cover_window=$(xdotool search --onlyvisible --name '^xmessage$' | head -n 1)
xdotool windowactivate --sync "$cover_window"
second_start "under another window"
wait_until 5 active_is_tavrik || fail "a second start did not activate the covered window"
# Bottom to top: the calculator must now stand above the covering window.
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
order=""
for id in $stacking; do
    (( id == window )) && order+=T
    (( id == cover_window )) && order+=C
done
[ "$order" = CT ] || fail "the window is not above the one that covered it ($order)"
end_with TERM

start 'RaiseRunning=0'
xdotool windowactivate --sync "$cover_window"
second_start "RaiseRunning off"
sleep 0.5
active_is_tavrik && fail "RaiseRunning off: a second start activated the window"
kill -0 "$app_pid" || fail "a second start ended the running copy"
# A socket left by a copy that was killed does not keep the next one from
# listening, nor a second start from ending.
kill_hard
start 'RaiseRunning=1'
xdotool windowactivate --sync "$cover_window"
second_start "after a stale socket"
wait_until 5 active_is_tavrik || fail "after a stale socket, a second start did not activate the window"
end_with TERM

[ "$failures" -eq 0 ] && echo "signals, kill -9 and second starts as expected"
exit "$failures"
