#!/usr/bin/env bash
# Runs the keyboard-only walk of the AT-SPI test (tests/ui/accessible_names.py)
# with the screen reader Orca listening, on a private X server, accessibility
# bus and speech server, and checks that Orca spoke each step in Japanese.
# Speech goes to a file: speech-dispatcher's generic module writes every text
# it is given to speech.txt instead of a sound device. Orca's own record of
# what it spoke (its debug file) is kept beside it.
# Skips (exit 77) when Orca, speech-dispatcher, Xvfb or the bus is missing.
# usage: scripts/orca_walk.sh [-d DISPLAY] [-s SET] [TAVRIK_EXECUTABLE] [OUTPUT_FOLDER]
#   -d DISPLAY  run on this X server (one that is already running) instead
#               of a private Xvfb on a free display
#   -s SET      the starter file's settings set to start in; the walk meets
#               all six panels, so the default is コンパクト, which shows them
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
display=""
set_name=コンパクト
while getopts "d:s:" option; do
    case $option in
        d) display=$OPTARG ;;
        s) set_name=$OPTARG ;;
        *) echo "usage: $0 [-d DISPLAY] [-s SET] [TAVRIK_EXECUTABLE] [OUTPUT_FOLDER]" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
tavrik=${1:-$root/build/src/ui/tavrik}
out=${2:-}
bus_launcher=/usr/libexec/at-spi-bus-launcher

for tool in orca speech-dispatcher xdpyinfo xdotool dbus-run-session; do
    command -v "$tool" > /dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "$bus_launcher" ] || { echo "skipped: at-spi2-core is missing"; exit 77; }
[ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || { echo "skipped: sd_generic is missing"; exit 77; }
/usr/bin/python3 -c "import pyatspi" 2> /dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }
[ -n "$display" ] || command -v Xvfb > /dev/null || { echo "skipped: Xvfb is missing"; exit 77; }
[ -x "$tavrik" ] || { echo "no executable at $tavrik" >&2; exit 2; }

work=$(mktemp -d)
cp "$tavrik" "$root/data/TavrikS.ini" "$work/"
/usr/bin/python3 "$root/tests/ui/choose_starter_set.py" "$work/TavrikS.ini" "$set_name"
mkdir -m 700 "$work/run"
mkdir -p "$work/config/speech-dispatcher/modules"
# No sound device here: the generic module's command appends each text to
# the file, and ALSA's null device takes the module's sound.
cat > "$work/config/speech-dispatcher/speechd.conf" << CONF
AddModule "tofile" "sd_generic" "tofile.conf"
DefaultModule tofile
DefaultLanguage "ja"
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
cat > "$work/config/speech-dispatcher/modules/tofile.conf" << CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $work/speech.txt"
AddVoice "ja" "MALE1" "ja"
GenericLanguage "ja" "ja" "UTF-8"
GenericLanguage "en" "en" "UTF-8"
GenericLanguage "en-US" "en" "UTF-8"
CONF
touch "$work/speech.txt"

# shellcheck source=xvfb.sh
. "$root/scripts/xvfb.sh"
trap '[ -z "$xvfb_pid" ] || { kill $xvfb_pid; wait $xvfb_pid; } 2> /dev/null; rm -rf "$work" || true' EXIT
if [ -n "$display" ]; then
    export DISPLAY=$display
    xdpyinfo > /dev/null 2>&1 || { echo "no X server answers on $display" >&2; exit 1; }
else
    start_xvfb || { echo "Xvfb did not start" >&2; exit 1; }
fi

export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
status=0
dbus-run-session -- bash -c '
    work=$1
    "$2" --launch-immediately > /dev/null 2>&1 &
    bus=$!
    "$work/tavrik" > /dev/null 2> "$work/tavrik.err" &
    app=$!
    orca --replace --debug-file="$work/orca.txt" > /dev/null 2>&1 &
    reader=$!
    # Orca is listening once it has said that it is on.
    for _ in $(seq 100); do
        grep -q "SPEECH OUTPUT" "$work/orca.txt" 2> /dev/null && break
        sleep 0.2
    done
    status=0
    /usr/bin/python3 "$3" "$app" || status=$?
    sleep 2  # the last texts reach the speech file
    kill "$reader" "$app" 2> /dev/null
    wait "$app" "$reader" 2> /dev/null
    # Orca started the speech server in the background; it leaves its
    # process id in the runtime folder and ends its module when it ends.
    pid_file=$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid
    [ -f "$pid_file" ] && kill "$(cat "$pid_file")" 2> /dev/null
    kill "$bus" 2> /dev/null
    exit "$status"
' orca-walk "$work" "$bus_launcher" "$root/tests/ui/accessible_names.py" \
    2> >(grep -v "Failed to set fd limit" >&2) || status=$?

if [ -n "$out" ]; then
    mkdir -p "$out"
    cp "$work/speech.txt" "$work/orca.txt" "$out/"
fi
[ "$status" -eq 0 ] || { echo "the walk failed under Orca" >&2; exit "$status"; }

# Each step of the walk, as Orca should have said it: the result of 12 + 3,
# register 2 chosen, the store and recall keys of register 1, the history
# list and its new line, the formula editor.
missing=0
for phrase in "notification 15." "メモリー2: 0." "selected radio button" "メモリー1に記憶" \
    "メモリー1を呼び出す" "履歴リスト." "新しい行: " "式 text."; do
    if ! grep -qF "$phrase" "$work/speech.txt"; then
        echo "Orca did not say $phrase" >&2
        missing=1
    fi
done
# A result is said once.
if [ "$(grep -c "notification 15\." "$work/speech.txt")" -ne 1 ]; then
    echo "the result 15 was not said exactly once" >&2
    missing=1
fi
[ "$missing" -eq 0 ] && echo "Orca spoke every step of the walk"
exit "$missing"
