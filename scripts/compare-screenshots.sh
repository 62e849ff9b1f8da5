#!/usr/bin/env bash
# Puts Tavrik's first window beside galculator's and SpeedCrunch's, each
# showing 123456789, at 1x and 2x scale with a light and a dark desktop
# palette (Qt programs take it from qt6ct/qt5ct, galculator from GTK_THEME):
#   docs/compare-1x-light.png  docs/compare-1x-dark.png
#   docs/compare-2x-light.png  docs/compare-2x-dark.png
# Left to right: Tavrik, galculator, SpeedCrunch.
# Usage: scripts/compare-screenshots.sh [build-directory]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
fi
cmake --build "$build" -j 2 --target tavrik
for tool in Xvfb xdotool import xdpyinfo galculator speedcrunch; do
    command -v "$tool" > /dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done
[ -d /usr/share/qt6ct/colors ] && [ -d /usr/share/qt5ct/colors ] ||
    { echo "qt6ct and qt5ct are missing: run scripts/setup.sh" >&2; exit 1; }

work=$(mktemp -d)
cp "$build/src/ui/tavrik" "$work/"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb HOME=$work XDG_CONFIG_HOME=$work/config
xvfb_screen=2560x1600x24

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

# palette light|dark: the desktop's palette for the Qt programs.
palette() {
    local scheme=simple
    [ "$1" = dark ] && scheme=darker
    for ct in qt5ct qt6ct; do
        mkdir -p "$XDG_CONFIG_HOME/$ct"
        printf '[Appearance]\ncolor_scheme_path=/usr/share/%s/colors/%s.conf\ncustom_palette=true\nstyle=Fusion\n' \
            "$ct" "$scheme" > "$XDG_CONFIG_HOME/$ct/$ct.conf"
    done
}

# capture NAME-PATTERN OUTPUT COMMAND...: starts the program, types
# 123456789 into its window and captures the window.
capture() {
    local name=$1 output=$2
    shift 2
    "$@" > /dev/null 2>&1 &
    app_pid=$!
    local window
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "$name" | head -n 1)
    [ -n "$window" ] || { echo "the window $name did not appear" >&2; exit 1; }
    sleep 1
    xdotool windowfocus --sync "$window" 2> /dev/null || true
    xdotool type --delay 60 123456789
    sleep 0.7
    import -window "$window" "$output"
    kill "$app_pid" 2> /dev/null || true
    wait "$app_pid" 2> /dev/null || true
    app_pid=""
}

mkdir -p docs
for scale in 1 2; do
    for shade in light dark; do
        palette "$shade"
        gtk_theme=Adwaita
        [ "$shade" = dark ] && gtk_theme=Adwaita:dark
        # A first start: a fresh settings file from the starter file.
        rm -f "$work/Tavrik.ini"
        cp data/TavrikS.ini "$work/"
        capture '^Tavrik$' "$work/tavrik.png" env QT_QPA_PLATFORMTHEME=qt6ct \
            QT_SCALE_FACTOR="$scale" "$work/tavrik"
        capture '^galculator$' "$work/galculator.png" env GTK_THEME="$gtk_theme" \
            GDK_SCALE="$scale" galculator
        capture '^SpeedCrunch$' "$work/speedcrunch.png" env QT_QPA_PLATFORMTHEME=qt5ct \
            QT_SCALE_FACTOR="$scale" speedcrunch
        output=docs/compare-${scale}x-$shade.png
        convert "$work/tavrik.png" "$work/galculator.png" "$work/speedcrunch.png" \
            -bordercolor '#808080' -border 8 -background '#808080' -gravity north +append "$output"
        echo "wrote $output"
    done
done
