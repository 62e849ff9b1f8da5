#!/usr/bin/env bash
# Runs the built tavrik under a private X server with an accessibility bus
# and checks its accessible tree over AT-SPI (accessible_names.py).
# Skips (exit 77) when the X server, the bus or pyatspi is not installed.
# usage: accessibility_test.sh TAVRIK_EXECUTABLE STARTER_FILE
set -euo pipefail
tavrik=$1
starter=$2
here=$(cd "$(dirname "$0")" && pwd)
bus_launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb xdpyinfo xdotool dbus-run-session; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "$bus_launcher" ] || { echo "skipped: at-spi2-core is missing"; exit 77; }
/usr/bin/python3 -c "import pyatspi" 2> /dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }

# A folder of its own: Tavrik.ini is made beside the executable, and the
# one-copy lock lives in the runtime folder.
work=$(mktemp -d)
cp "$tavrik" "$starter" "$work/"
mkdir -m 700 "$work/run"

# Other X servers start and stop on this machine too (tests run in parallel,
# screenshot and benchmark scripts): take a random display away from the
# usual numbers, and give up a display that does not answer for a new one.
xvfb=""
trap 'kill $xvfb 2> /dev/null; wait $xvfb 2> /dev/null; rm -rf "$work"' EXIT
start_xvfb() {
    local number=$((400 + RANDOM % 500))
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && return 1
    export DISPLAY=":$number"
    # -noreset: the server must not reset when the probing client leaves.
    Xvfb "$DISPLAY" -noreset -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && return 0; sleep 0.05; done
    return 1
}
for _ in 1 2 3 4 5; do
    start_xvfb && break
    kill $xvfb 2> /dev/null; wait $xvfb 2> /dev/null || true
done
xdpyinfo > /dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-run-session -- bash -c '
    "$1" --launch-immediately > /dev/null 2>&1 &
    bus=$!
    "$2/tavrik" > /dev/null 2> "$2/tavrik.err" &
    app=$!
    status=0
    /usr/bin/python3 "$3" "$app" || { status=$?; cat "$2/tavrik.err" >&2; }
    kill "$app" "$bus" 2> /dev/null
    wait "$app" 2> /dev/null
    exit "$status"
' accessibility "$bus_launcher" "$work" "$here/accessible_names.py" 2> >(grep -v "Failed to set fd limit" >&2)
