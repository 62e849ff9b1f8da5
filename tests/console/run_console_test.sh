#!/usr/bin/env bash
# Runs one console script and compares its output with the expected file,
# showing every differing line.
set -u
cli=$1 script=$2 expected=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Scripts refer to files they make as $WORK/...; the expected output names them the same way.
sed "s|\\\$WORK|$work|g" "$script" > "$work/script"
(cd "$work" && "$cli" "$work/script") 2>&1 | sed "s|$work|\$WORK|g" > "$work/actual"
if ! diff -u --label expected --label actual "$expected" "$work/actual"; then
    echo "console script $(basename "$script") differs from $(basename "$expected")"
    exit 1
fi
