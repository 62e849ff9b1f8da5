#!/usr/bin/env bash
# Starts tavrik on a virtual X server with a settings file that keeps it in
# front and transparent, and reads the window's X properties back; then drags
# the vertical guide bar, which lies right of the panels, by the grid beside it.
# Usage: window_x11_test.sh TAVRIK-EXECUTABLE. Exit 77 (skipped) without Xvfb.
set -euo pipefail

tavrik=$1
for tool in Xvfb xprop xdotool xdpyinfo import; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
# shellcheck source=../../scripts/xvfb.sh
. "$(dirname "$0")/../../scripts/xvfb.sh"
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The settings file lies beside the program: a copy of it runs from $work.
cp "$tavrik" "$work/tavrik"
printf '%s\r\n' '[Tavrik]' 'Set=Ruler' 'Save=1' 'Trans=1' 'TPM=1' \
    '[Ruler]' 'AlphaA=200' 'AlphaD=200' 'GXPos=500' 'GXWidth=4' > "$work/Tavrik.ini"

start_xvfb || { echo "skipped: Xvfb did not start"; exit 77; }

# A runtime folder of its own, so a copy running elsewhere does not hold
# the one-copy lock.
mkdir -m 700 "$work/run"
XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb "$work/tavrik" &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavrik$' | head -n 1)
[ -n "$window" ] || { echo "FAIL: the Tavrik window did not appear"; exit 1; }

failures=0
state=$(xprop -id "$window" _NET_WM_STATE)
if [[ $state != *_NET_WM_STATE_ABOVE* ]]; then
    echo "FAIL: not kept in front: $state"
    failures=$((failures + 1))
fi

# Opacity 200 of 255, as a fraction of 0xFFFFFFFF; Qt keeps it to 1/255.
opacity=$(xprop -id "$window" _NET_WM_WINDOW_OPACITY | awk '{print $NF}')
expected=$(( 200 * 0xFFFFFFFF / 255 ))
if ! [[ $opacity =~ ^[0-9]+$ ]] || (( opacity < expected - 0xFFFFFF || opacity > expected + 0xFFFFFF )); then
    echo "FAIL: opacity $opacity, expected about $expected"
    failures=$((failures + 1))
fi

# The bar's colour at a point of the window, as "r,g,b".
colour_at() {
    import -window "$window" -crop "1x1+$1+$2" -depth 8 txt:- 2> /dev/null |
        sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
eval "$(xdotool getwindowgeometry --shell "$window")"
# The client area spans the window's width, so its x is the window's; a
# point near the bottom lies on the grid, below every panel's reach.
y=$((HEIGHT - 20))
red=255,0,0
if [ "$(colour_at 501 "$y")" != "$red" ]; then
    echo "FAIL: no guide bar at x 500: $(colour_at 501 "$y")"
    failures=$((failures + 1))
fi
# Pressed 5 px left of the bar, on the grid, and dragged 20 px to the left.
xdotool mousemove --window "$window" 495 "$y" mousedown 1 \
    mousemove --window "$window" 485 "$y" mousemove --window "$window" 475 "$y" mouseup 1
sleep 0.5
if [ "$(colour_at 481 "$y")" != "$red" ] || [ "$(colour_at 502 "$y")" == "$red" ]; then
    echo "FAIL: the bar did not follow a press beside it: $(colour_at 481 "$y") at x 481"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "window flags, opacity and the guide bar drag as set"
exit "$failures"
