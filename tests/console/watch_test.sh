#!/usr/bin/env bash
# tavrik-cli --sheet FILE --watch: the answered sheet at the start and again
# after a save that renames a new file over it; the end of the input ends it.
# A symbolic link sees the saves of its target in another folder; with the
# standard input closed, the watch goes on past the first change.
set -eu
cli=$1
work=$(mktemp -d)
watcher=
trap '[ -n "$watcher" ] && kill "$watcher" 2>/dev/null; rm -rf "$work"' EXIT

# Saves TEXT into FILE as an editor does: a new file renamed over it.
save() {
    printf '%s\r\n' "$2" > "$1.new"
    mv "$1.new" "$1"
}

# Waits until FILE holds EXPECTED (at most 10 s); shows what it holds else.
expect_output() {
    for _ in $(seq 100); do
        [ "$(cat "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    echo "expected:"; echo "$2"; echo "got:"; cat "$1"
    exit 1
}

printf '1+1=\r\n' > "$work/sheet.txt"
{
    sleep 2
    save "$work/sheet.txt" '2*3='
    sleep 0.5
} | "$cli" --sheet "$work/sheet.txt" --watch > "$work/out"
expect_output "$work/out" $'1+1=2\n2*3=6'

mkdir "$work/real" "$work/link"
printf '1+2=\r\n' > "$work/real/sheet.txt"
ln -s "$work/real/sheet.txt" "$work/link/sheet.txt"
"$cli" --sheet "$work/link/sheet.txt" --watch > "$work/linked" <&- &
watcher=$!
expect_output "$work/linked" '1+2=3'
save "$work/real/sheet.txt" '2+2='
expect_output "$work/linked" $'1+2=3\n2+2=4'
save "$work/real/sheet.txt" '3+3='
expect_output "$work/linked" $'1+2=3\n2+2=4\n3+3=6'
kill "$watcher"
