#!/usr/bin/env bash
# Times tavrik-cli answering a whole formula sheet against bc -l evaluating
# the same expressions bare, and prints the ratio.
#
#   bench/sheet_vs_bc.sh [TAVRIK_CLI] [LINES] [ROUNDS]
#
# The sheet (Shift-JIS, CR LF) mixes notes, grouping commas, full-width digits,
# brackets and operators into its formula lines; bc gets each line's plain
# expression. The two run in turn ROUNDS times (default 9); the medians of
# wall time and of processor time count. On a busy machine the wall time is
# mostly waiting for a processor, so the processor times compare the work.
set -euo pipefail

cli=${1:-build/src/cli/tavrik-cli}
lines=${2:-100000}
rounds=${3:-9}
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

# One run's wall time and processor time (user + system), in seconds.
timed_run() {
    local TIMEFORMAT='%R %U %S'
    { time "$@" > /dev/null 2>&1; } 2>&1 | awk '{ printf "%.4f %.4f\n", $1, $2 + $3 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Both must answer every line.
answered=$("$cli" --sheet "$work/sheet.txt" | grep -c '=[-0-9.]*[0-9]$' || true)
evaluated=$(bc -l < "$work/bare.txt" | wc -l)
echo "lines: $lines (tavrik answered $answered, bc printed $evaluated)"
load=$(cut -d' ' -f1-3 /proc/loadavg)

# The two run in turn, so that both see the same load; medians of ROUNDS each.
: > "$work/tavrik.times"
: > "$work/bc.times"
for _ in $(seq "$rounds"); do
    timed_run "$cli" --sheet "$work/sheet.txt" >> "$work/tavrik.times"
    timed_run bash -c "bc -l < '$work/bare.txt'" >> "$work/bc.times"
done
tavrik_wall=$(cut -d' ' -f1 "$work/tavrik.times" | median)
tavrik_cpu=$(cut -d' ' -f2 "$work/tavrik.times" | median)
bc_wall=$(cut -d' ' -f1 "$work/bc.times" | median)
bc_cpu=$(cut -d' ' -f2 "$work/bc.times" | median)
echo "load average before the runs: $load"
printf "%-28s%-10s%s\n" "median of $rounds runs" wall processor
printf 'tavrik-cli --sheet (whole)  %.3f s   %.3f s\n' "$tavrik_wall" "$tavrik_cpu"
printf 'bc -l (bare expressions)    %.3f s   %.3f s\n' "$bc_wall" "$bc_cpu"
awk -v tw="$tavrik_wall" -v tc="$tavrik_cpu" -v bw="$bc_wall" -v bcc="$bc_cpu" 'BEGIN {
    printf "ratio bc / tavrik: wall %.2f, processor %.2f (target: at least 3)\n", bw / tw, bcc / tc }'
