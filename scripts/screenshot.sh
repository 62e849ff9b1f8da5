#!/usr/bin/env bash
# Makes the README's pictures: starts the built tavrik on a virtual X server
# once per mode, types a value on the keyboard and captures the window.
#   docs/screenshot.png        the default window (10進) of a first start
#   docs/screenshot-mixed.png  混合, docs/screenshot-time.png 時間,
#   docs/screenshot-date.png   日付
#   docs/screenshot-tape.png   the history list with results and grand totals
# Usage: scripts/screenshot.sh [build-directory]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
fi
cmake --build "$build" -j 2 --target tavrik
for tool in Xvfb xdotool import xdpyinfo; do
    command -v "$tool" > /dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

# The program runs from a folder of its own: Tavrik.ini is made beside it,
# and the one-copy lock lives in the runtime folder.
work=$(mktemp -d)
cp "$build/src/ui/tavrik" data/TavrikS.ini "$work/"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb

# shellcheck source=xvfb.sh
. scripts/xvfb.sh

app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb || { echo "Xvfb did not start" >&2; exit 1; }

# shot MODE-LETTER OUTPUT KEYS...: starts in the mode (the starter file with
# the global Mode, which wins while Save is on), types KEYS, captures.
shot() {
    local mode=$1 output=$2
    shift 2
    iconv -f cp932 -t utf-8 data/TavrikS.ini |
        sed "s/^\[Tavrik\]\r$/[Tavrik]\r\nMode=$mode\r/" |
        iconv -f utf-8 -t cp932 > "$work/Tavrik.ini"
    "$work/tavrik" &
    app_pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavrik$' | head -n 1)
    [ -n "$window" ] || { echo "the Tavrik window did not appear" >&2; exit 1; }
    xdotool windowfocus --sync "$window"
    xdotool key --delay 50 "$@"
    sleep 0.5
    import -window "$window" "$output"
    kill "$app_pid"
    wait "$app_pid" 2> /dev/null || true
    app_pid=""
    echo "wrote $output"
}

mkdir -p docs
# Digits typed on the keyboard go through the key table into the display.
shot D docs/screenshot.png 1 2 3 4 5
shot H docs/screenshot-mixed.png 2 5 5
shot T docs/screenshot-time.png 9 0 m
shot C docs/screenshot-date.png 2 0 2 4 y
# The starter's 標準 set shows each result and the grand total under its line.
shot D docs/screenshot-tape.png 1 2 8 0 KP_Add 3 4 5 0 Return 2 0 KP_Multiply 3 Return 1 5 0 0 KP_Add 8 0 KP_Enter

# The manual shows the same pictures.
mkdir -p docs/manual/images
cp docs/screenshot*.png docs/manual/images/
