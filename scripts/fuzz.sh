#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ and runs each for SECONDS seconds
# (default 30). Fails on any crash, leak, timeout or sanitizer report.
set -euo pipefail

seconds="${1:-30}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DTAVRIK_GUI=OFF -DTAVRIK_TESTS=OFF -DTAVRIK_FUZZ=ON >/dev/null
targets=(ini_fuzzer settings_fuzzer normalise_fuzzer evaluate_fuzzer function_check_fuzzer
    console_fuzzer paste_fuzzer kept_state_fuzzer)
cmake --build "$build" -j2 --target "${targets[@]}"

for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    case "$target" in
        normalise_fuzzer | evaluate_fuzzer | function_check_fuzzer) seeds=formula ;;
        paste_fuzzer) seeds=paste ;;
        console_fuzzer) seeds=console ;;
        kept_state_fuzzer) seeds=kept_state ;;
        *) seeds=ini ;;
    esac
    cp "$root/fuzz/corpus/$seeds"/* "$corpus/"
    echo "== $target: ${seconds}s"
    (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -detect_leaks=1 -print_final_stats=1 "$corpus")
done
