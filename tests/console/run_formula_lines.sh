#!/usr/bin/env bash
# Answers every line of FORMULAS with `tavrik-cli -e LINE` and compares what
# it prints (standard output and error together, and a failing exit status)
# with the expected file.
set -u
cli=$1 formulas=$2 expected=$3
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
while IFS= read -r formula; do
    "$cli" -e "$formula" 2>&1 || echo "exit status $?"
done < "$formulas" > "$actual"
if ! diff -u --label expected --label actual "$expected" "$actual"; then
    echo "tavrik-cli -e answers of $(basename "$formulas") differ from $(basename "$expected")"
    exit 1
fi
