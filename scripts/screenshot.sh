#!/usr/bin/env bash
# Makes docs/screenshot.png: starts the built tavrik on a virtual X server,
# types a number on the keyboard and captures the window.
# Usage: scripts/screenshot.sh [build-directory]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
fi
cmake --build "$build" -j 2 --target tavrik
tavrik=$build/src/ui/tavrik
for tool in Xvfb xdotool import xdpyinfo; do
    command -v "$tool" > /dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

# A free display number.
number=99
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
export DISPLAY=":$number"

xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2> /dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null || true
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    xdpyinfo > /dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo > /dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }

QT_QPA_PLATFORM=xcb "$tavrik" &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavrik$' | head -n 1)
[ -n "$window" ] || { echo "the Tavrik window did not appear" >&2; exit 1; }

# Digits typed on the keyboard go through the key table into the display.
xdotool windowfocus --sync "$window"
xdotool key --delay 50 1 2 3 4 5
sleep 0.5

mkdir -p docs
import -window "$window" docs/screenshot.png
echo "wrote docs/screenshot.png"

# The manual shows the same pictures.
mkdir -p docs/manual/images
cp docs/screenshot*.png docs/manual/images/
