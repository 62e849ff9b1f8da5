#!/usr/bin/env bash
# Cold start and idle memory of the full default window against a bare Qt
# window, side by side under Xvfb, with the start-up comparison tool
# (STARTUP_COMPARE, by default the team's shared copy).
#
#   bench/startup_vs_qt.sh [TAVRIK] [ROUNDS] [SET]
#
# Tavrik runs from a folder of its own holding only the shipped starter file,
# so every round shows the default window of a first start; with SET (a set
# name of the starter file, such as コンパクト) the first start opens that set.
set -euo pipefail

tavrik=${1:-build/src/ui/tavrik}
rounds=${2:-15}
compare=${STARTUP_COMPARE:-../shared/bench/startup-compare}
[ -x "$tavrik" ] || { echo "no tavrik at $tavrik" >&2; exit 1; }
[ -x "$compare" ] || { echo "no start-up comparison tool at $compare (set STARTUP_COMPARE)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$tavrik" "$work/tavrik"
starter="$(dirname "$0")/../data/TavrikS.ini"
if [ -n "${3:-}" ]; then
    set_line=$(printf 'Set=%s' "$3" | iconv -f UTF-8 -t CP932)
    LC_ALL=C sed "s/^Set=[^\r]*/$set_line/" "$starter" > "$work/TavrikS.ini"
else
    cp "$starter" "$work/"
fi
"$compare" -n "$rounds" -- "$work/tavrik"
