#!/usr/bin/env bash
# Runs the built tavrik under a private X server with an accessibility bus
# and checks its accessible tree over AT-SPI (accessible_names.py).
# Skips (exit 77) when the X server, the bus or pyatspi is not installed.
# usage: accessibility_test.sh TAVRIK_EXECUTABLE STARTER_FILE [CHECKER.py]
set -euo pipefail
tavrik=$1
starter=$2
here=$(cd "$(dirname "$0")" && pwd)
checker=${3:-$here/accessible_names.py}
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
# The walk meets every panel, so it runs on the set that shows all six.
/usr/bin/python3 "$here/choose_starter_set.py" "$work/$(basename "$starter")" コンパクト
mkdir -m 700 "$work/run"

# shellcheck source=../../scripts/xvfb.sh
. "$(dirname "$0")/../../scripts/xvfb.sh"
trap 'kill $xvfb_pid 2> /dev/null; wait $xvfb_pid 2> /dev/null; rm -rf "$work"' EXIT
start_xvfb || { echo "Xvfb did not start" >&2; exit 1; }

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
' accessibility "$bus_launcher" "$work" "$checker" 2> >(grep -v "Failed to set fd limit" >&2)
