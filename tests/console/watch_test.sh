#!/usr/bin/env bash
# tavrik-cli --sheet FILE --watch: the answered sheet at the start and again
# after a save that renames a new file over it; the end of the input ends it.
set -eu
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '1+1=\r\n' > "$work/sheet.txt"
{
    sleep 2
    printf '2*3=\r\n' > "$work/new.txt"
    mv "$work/new.txt" "$work/sheet.txt"
    sleep 0.5
} | "$cli" --sheet "$work/sheet.txt" --watch > "$work/out"
expected=$'1+1=2\n2*3=6'
if [ "$(cat "$work/out")" != "$expected" ]; then
    echo "expected:"; echo "$expected"; echo "got:"; cat "$work/out"
    exit 1
fi
