#!/usr/bin/env bash
# Runs tavrik on a virtual X server with a window manager and a system tray,
# as a user meets it: the window's first placement, a saved size at twice
# the scale, the settings dialog over the window, and "終了" from the tray
# menu while the window is hidden.
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

# Every wait is for a condition, never for a time, so that a loaded machine
# only makes the test slower. Runs the command until it succeeds, for up to 30 s.
wait_until() {
    for _ in $(seq 300); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; }
tray_ready() { [ -n "$(xdotool search --class trayer 2> /dev/null)" ]; }
openbox > /dev/null 2>&1 &
helpers+=($!)
wait_until window_manager_ready || { echo "FAIL: the window manager did not start"; exit 1; }
trayer --edge top --align right --widthtype pixel --width 60 --height 24 --SetDockType true > /dev/null 2>&1 &
helpers+=($!)
wait_until tray_ready || { echo "FAIL: the tray did not start"; exit 1; }

cp "$tavrik" "$work/tavrik"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The first visible window whose name matches, waited for up to 30 s. A
# search fails when a window it meets goes away meanwhile: it is repeated.
find_window() {
    local found=""
    for _ in $(seq 300); do
        found=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -n 1) || true
        [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}

# "x y width height" of a window's client area on the screen.
client_bounds() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                             /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}'
}

# Whether the window manager has framed the window and it has stopped moving.
placed() {
    xprop -id "$1" _NET_FRAME_EXTENTS 2> /dev/null | grep -q '= ' || return 1
    local before
    before=$(client_bounds "$1")
    sleep 0.1
    [ "$(client_bounds "$1")" = "$before" ]
}

# How many windows of the program are shown: a menu that opens adds one.
shown_windows() { xdotool search --onlyvisible --class tavrik 2> /dev/null | wc -l; }
more_shown_than() { [ "$(shown_windows)" -gt "$1" ]; }

# Whether the tray has taken the icon in: its parent is no longer the root.
embedded() {
    local tree
    tree=$(xwininfo -id "$1" -children 2> /dev/null) || return 1
    ! grep -q 'Parent window id: .*(the root window)' <<< "$tree"
}

# A right click on the tray icon and a short wait for its menu: a click that
# comes while the icon is still being set up opens nothing, so it is repeated.
opens_tray_menu() {
    local shown
    shown=$(shown_windows)
    xdotool mousemove --window "$icon" 5 5 click 3
    for _ in $(seq 20); do
        more_shown_than "$shown" && return 0
        sleep 0.1
    done
    return 1
}

# Starts tavrik with the given [Tavrik] lines and waits for its window.
start() {
    printf '%s\r\n' '[Tavrik]' 'Set=標準' "$@" '[標準]' 'Disp=DBM/FSH' | iconv -t cp932 > "$work/Tavrik.ini"
    "$work/tavrik" > /dev/null 2>&1 &
    app_pid=$!
    window=$(find_window '^Tavrik$')
    [ -n "$window" ] || { echo "FAIL: the Tavrik window did not appear"; exit 1; }
    wait_until placed "$window" || fail "the window manager did not place the window"
}

stop() {
    kill "$app_pid" 2> /dev/null || true
    wait "$app_pid" 2> /dev/null || true
    app_pid=""
}

# The window with the frame the window manager put around it must lie on the screen.
check_on_screen() {
    local what=$1 x y width height extents left right top bottom
    read -r x y width height < <(client_bounds "$window")
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //')
    IFS=', ' read -r left right top bottom <<< "$extents"
    [[ $bottom =~ ^[0-9]+$ ]] || { fail "$what: no frame extents ($extents)"; return; }
    if (( x - left < 0 || y - top < 0 || x + width + right > screen_width ||
          y + height + bottom > screen_height )); then
        fail "$what: window at $x,$y size ${width}x$height with frame $extents is off the screen"
    fi
}

# No saved position: the window manager places the window, title bar
# included, and "設定変更" opens the settings dialog centred over it.
start 'Save=1'
check_on_screen "first start"
shown=$(shown_windows)
xdotool mousemove --window "$window" 20 10 click 1
wait_until more_shown_than "$shown" || fail "the menu did not open"
xdotool key Down Down Down Return
dialog=$(find_window '^設定変更$')
if [ -z "$dialog" ]; then
    fail "the settings dialog did not open"
else
    wait_until placed "$dialog" || fail "the window manager did not place the dialog"
    read -r mx my mw mh < <(client_bounds "$window")
    read -r dx dy dw dh < <(client_bounds "$dialog")
    off_x=$((dx + dw / 2 - mx - mw / 2)) off_y=$((dy + dh / 2 - my - mh / 2))
    (( ${off_x#-} <= 40 && ${off_y#-} <= 40 )) ||
        fail "the settings dialog at $dx,$dy is not centred over the window at $mx,$my"
fi
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
for _ in $(seq 300); do
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
    timeout 30 bash -c "while xdotool search --onlyvisible --name '^Tavrik\$' > /dev/null; do sleep 0.1; done" \
        || fail "closing did not hide the window"
    kill -0 "$app_pid" 2> /dev/null || fail "closing ended the program instead of hiding it"
    wait_until embedded "$icon" || fail "the tray did not take the icon"
    wait_until opens_tray_menu || fail "the tray menu did not open"
    # Up from an unselected menu takes its last item, "終了".
    xdotool key Up Return
    if timeout 30 tail --pid="$app_pid" -f /dev/null; then
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
