#!/usr/bin/env bash
# Runs tavrik on a virtual X server with a window manager and a system tray,
# as a user meets it: the window's first placement, a saved size at twice
# the scale, and "終了" from the tray menu while the window is hidden.
# Usage: desktop_session_test.sh TAVRIK-EXECUTABLE. Exit 77 (skipped) when a tool is missing.
set -euo pipefail

tavrik=$1
for tool in Xvfb xdpyinfo xdotool xprop xwininfo openbox trayer; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
# shellcheck source=../../scripts/xvfb.sh
. "$(dirname "$0")/../../scripts/xvfb.sh"
helpers=()
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null || true
    for pid in "${helpers[@]}"; do kill "$pid" 2> /dev/null || true; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

readonly screen_width=1280 screen_height=900
xvfb_screen=${screen_width}x${screen_height}x24 start_xvfb || { echo "skipped: Xvfb did not start"; exit 77; }
export HOME=$work XDG_CONFIG_HOME=$work/config
openbox > /dev/null 2>&1 &
helpers+=($!)
trayer --edge top --align right --widthtype pixel --width 60 --height 24 --SetDockType true > /dev/null 2>&1 &
helpers+=($!)
sleep 1

cp "$tavrik" "$work/tavrik"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Starts tavrik with the given [Tavrik] lines and waits for its window.
start() {
    printf '%s\r\n' '[Tavrik]' 'Set=標準' "$@" '[標準]' 'Disp=DBM/FSH' | iconv -t cp932 > "$work/Tavrik.ini"
    "$work/tavrik" > /dev/null 2>&1 &
    app_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavrik$' | head -n 1)
    [ -n "$window" ] || { echo "FAIL: the Tavrik window did not appear"; exit 1; }
    sleep 0.5
}

stop() {
    kill "$app_pid" 2> /dev/null || true
    wait "$app_pid" 2> /dev/null || true
    app_pid=""
}

# The window with the frame the window manager put around it must lie on the screen.
check_on_screen() {
    local what=$1 info x y width height extents left right top bottom
    info=$(xwininfo -id "$window")
    x=$(awk '/Absolute upper-left X/ {print $NF}' <<< "$info")
    y=$(awk '/Absolute upper-left Y/ {print $NF}' <<< "$info")
    width=$(awk '/Width:/ {print $NF}' <<< "$info")
    height=$(awk '/Height:/ {print $NF}' <<< "$info")
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
    IFS=', ' read -r left right top bottom <<< "$extents"
    [[ $bottom =~ ^[0-9]+$ ]] || { fail "$what: no frame extents ($extents)"; return; }
    if (( x - left < 0 || y - top < 0 || x + width + right > screen_width ||
          y + height + bottom > screen_height )); then
        fail "$what: window at $x,$y size ${width}x$height with frame $extents is off the screen"
    fi
}

# No saved position: the window manager places the window, title bar included.
start 'Save=1'
check_on_screen "first start"
stop

# A saved size larger than the screen at twice the scale is kept to the screen.
export QT_SCALE_FACTOR=2
start 'Save=1' 'Width=702' 'Height=440' 'Left=300' 'Top=300'
check_on_screen "saved bounds at scale 2"
unset QT_SCALE_FACTOR
stop

# "終了" from the tray menu while the window is hidden ends the program and saves.
start 'Save=1' 'TSR=1'
icon=""
for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --class tavrik 2> /dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if (( WIDTH <= 32 && HEIGHT <= 32 )); then icon=$id; break 2; fi
    done
    sleep 0.1
done
if [ -z "$icon" ]; then
    fail "no tray icon"
else
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
    timeout 10 bash -c "while xdotool search --onlyvisible --name '^Tavrik\$' > /dev/null; do sleep 0.1; done" \
        || fail "closing did not hide the window"
    kill -0 "$app_pid" 2> /dev/null || fail "closing ended the program instead of hiding it"
    xdotool mousemove --window "$icon" 5 5 click 3
    sleep 0.5
    # Up from an unselected menu takes its last item, "終了".
    xdotool key Up Return
    if timeout 10 tail --pid="$app_pid" -f /dev/null; then
        grep -q '^Width=' "$work/Tavrik.ini" || fail "the exit from the tray saved nothing"
        app_pid=""
        start 'Save=1'
        stop
    else
        fail "the program kept running after 終了 from the tray"
    fi
fi

[ "$failures" -eq 0 ] && echo "placement and tray exit as expected"
exit "$failures"
