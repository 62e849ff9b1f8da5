#!/usr/bin/env bash
# Runs each libFuzzer target for SECONDS seconds (default 30), as many at a
# time as there are processors (TAVRIK_FUZZ_JOBS). The targets are those of
# BUILD, a clang build configured with TAVRIK_FUZZ=ON (the test command's
# sanitizer build); without BUILD they are configured and built in build-fuzz/.
# Fails on any crash, leak, timeout or sanitizer report. TAVRIK_WERROR=ON
# makes a compiler warning an error.
# usage: scripts/fuzz.sh [SECONDS] [BUILD]
set -euo pipefail

seconds="${1:-30}"
root="$(cd "$(dirname "$0")/.." && pwd)"
parallel="${TAVRIK_FUZZ_JOBS:-$(nproc)}"

if [ -n "${2:-}" ]; then
    build="$(cd "$2" && pwd)"
else
    build="$root/build-fuzz"
    configure_flags=(-DTAVRIK_GUI=OFF -DTAVRIK_TESTS=OFF -DTAVRIK_BENCH=OFF -DTAVRIK_FUZZ=ON
        -DTAVRIK_WERROR="${TAVRIK_WERROR:-OFF}")
    if command -v ccache > /dev/null; then
        configure_flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja "${configure_flags[@]}" >/dev/null
fi
targets=(ini_fuzzer settings_fuzzer normalise_fuzzer evaluate_fuzzer function_check_fuzzer
    console_fuzzer paste_fuzzer kept_state_fuzzer)
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

# One target's run; its output goes to its log, shown when it ends.
fuzz_one() {
    local target=$1 seeds
    local corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    case "$target" in
        normalise_fuzzer | evaluate_fuzzer | function_check_fuzzer) seeds=formula ;;
        paste_fuzzer) seeds=paste ;;
        console_fuzzer) seeds=console ;;
        kept_state_fuzzer) seeds=kept_state ;;
        *) seeds=ini ;;
    esac
    cp "$root/fuzz/corpus/$seeds"/* "$corpus/"
    # Each target in a folder of its own: a crash file lands there.
    mkdir -p "$build/runs/$target"
    (cd "$build/runs/$target" && "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -detect_leaks=1 -print_final_stats=1 "$corpus")
}

declare -A running=()
failed=()
# Waits for the next target to end and shows its log.
reap() {
    local pid status=0
    wait -n -p pid || status=$?
    local target=${running[$pid]}
    unset "running[$pid]"
    echo "== $target: ${seconds}s"
    cat "$build/logs/$target.log"
    [ "$status" -eq 0 ] || failed+=("$target")
}

mkdir -p "$build/logs"
for target in "${targets[@]}"; do
    while [ "${#running[@]}" -ge "$parallel" ]; do reap; done
    fuzz_one "$target" > "$build/logs/$target.log" 2>&1 &
    running[$!]=$target
done
while [ "${#running[@]}" -gt 0 ]; do reap; done

if [ "${#failed[@]}" -gt 0 ]; then
    echo "fuzzing failed: ${failed[*]}" >&2
    exit 1
fi
