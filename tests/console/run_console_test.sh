#!/usr/bin/env bash
# Runs one console script and compares its output with the expected file,
# showing every differing line. Beside NAME.cmd and NAME.out, an optional
# NAME.ini (UTF-8 text) becomes $WORK/Tavrik.ini in Shift-JIS with CR LF, and
# an optional NAME.args holds extra command-line arguments; an optional
# NAME.csv is the CSV file the script exports as $WORK/NAME.csv.
set -u
cli=$1 script=$2 expected=$3
base=${script%.cmd}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Scripts refer to files they make as $WORK/...; the expected output names them the same way.
sed "s|\\\$WORK|$work|g" "$script" > "$work/script"
if [ -f "$base.ini" ]; then
    iconv -f UTF-8 -t CP932 "$base.ini" | sed 's/$/\r/' > "$work/Tavrik.ini"
fi
args=()
if [ -f "$base.args" ]; then
    read -r -a args < <(sed "s|\\\$WORK|$work|g" "$base.args")
fi
(cd "$work" && "$cli" "${args[@]}" "$work/script") 2>&1 | sed "s|$work|\$WORK|g" > "$work/actual"
if [ -f "$base.saved" ]; then
    # The settings file as saved, decoded for comparison.
    iconv -f CP932 -t UTF-8 "$work/Tavrik.ini" | tr -d '\r' | diff -u --label expected-ini --label saved-ini "$base.saved" - || {
        echo "settings file saved by $(basename "$script") differs from $(basename "$base.saved")"
        exit 1
    }
fi
if [ -f "$base.csv" ]; then
    # A CSV file the script exported as $WORK/NAME.csv, compared byte for byte.
    cmp "$base.csv" "$work/$(basename "$base").csv" || {
        echo "CSV file exported by $(basename "$script") differs from $(basename "$base.csv")"
        exit 1
    }
fi
if ! diff -u --label expected --label actual "$expected" "$work/actual"; then
    echo "console script $(basename "$script") differs from $(basename "$expected")"
    exit 1
fi
