#!/usr/bin/env bash
# Times tavrik-cli answering a whole formula sheet against bc -l evaluating
# the same expressions bare, and prints the ratio.
#
#   bench/sheet_vs_bc.sh [TAVRIK_CLI] [LINES]
#
# The sheet (Shift-JIS, CR LF) mixes notes, grouping commas, full-width digits,
# brackets and operators into its formula lines; bc gets each line's plain
# expression. Each side runs three times; the best time counts.
set -euo pipefail

cli=${1:-build/src/cli/tavrik-cli}
lines=${2:-100000}
command -v bc > /dev/null || { echo "bc is not installed" >&2; exit 1; }
[ -x "$cli" ] || { echo "no tavrik-cli at $cli" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One formula per line, in five styles; field 1 is the sheet line, field 2 the bare expression.
awk -v n="$lines" 'BEGIN {
    split("０ １ ２ ３ ４ ５ ６ ７ ８ ９", wide, " ");
    for (i = 1; i <= n; i++) {
        a = (i * 7919) % 9000 + 11; b = (i * 104729) % 997 + 3; c = i % 97 + 2;
        style = i % 5;
        if (style == 0) {
            printf "売上 %d,%03d × %d\t%d%03d*%d\n", a, b, c, a, b, c;
        } else if (style == 1) {
            printf "%d+%d*%d=\t%d+%d*%d\n", a, b, c, a, b, c;
        } else if (style == 2) {
            w = "";
            s = sprintf("%d", a);
            for (k = 1; k <= length(s); k++) w = w wide[substr(s, k, 1) + 1];
            printf "（%s＋%d）×%d 個\t(%d+%d)*%d\n", w, b, c, a, b, c;
        } else if (style == 3) {
            printf "単価 %d ÷ %d　円\t%d/%d\n", a, b, a, b;
        } else {
            printf "(%d-%d)/[%d+%d]=\t(%d-%d)/(%d+%d)\n", a, b, c, b, a, b, c, b;
        }
    }
}' > "$work/both.txt"
cut -f1 "$work/both.txt" | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 > "$work/sheet.txt"
cut -f2 "$work/both.txt" > "$work/bare.txt"

# Best wall-clock time of three runs of a command, in seconds.
best_of_three() {
    local best=""
    for _ in 1 2 3; do
        local start end
        start=$(date +%s%N)
        "$@" > /dev/null
        end=$(date +%s%N)
        local t=$(((end - start) / 1000))
        if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
    done
    awk -v us="$best" 'BEGIN { printf "%.3f", us / 1e6 }'
}

# Both must answer every line.
answered=$("$cli" --sheet "$work/sheet.txt" | grep -c '=[-0-9.]*[0-9]$' || true)
evaluated=$(bc -l < "$work/bare.txt" | wc -l)
echo "lines: $lines (tavrik answered $answered, bc printed $evaluated)"

tavrik=$(best_of_three "$cli" --sheet "$work/sheet.txt")
bc_time=$(best_of_three bash -c "bc -l < '$work/bare.txt'")
echo "tavrik-cli --sheet (whole sheet): ${tavrik} s"
echo "bc -l (bare expressions):         ${bc_time} s"
awk -v t="$tavrik" -v b="$bc_time" 'BEGIN { printf "ratio bc / tavrik: %.2f (target: at least 2)\n", b / t }'
