#!/usr/bin/env bash
# Sets up, builds and runs every test: a normal build, and a clang build with
# AddressSanitizer and UndefinedBehaviorSanitizer that also makes the fuzz
# targets, which then run. Every build treats a compiler warning as an error.
# Each phase prints its time on the clock and in processor time, so that a
# slow phase shows in the log even on a machine busy with other work.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export TAVRIK_WERROR=ON
# Each target's sources are compiled a few at a time as one unit: the headers
# they share are parsed once per unit instead of once per file.
configure_flags=(-DTAVRIK_WERROR=ON -DCMAKE_UNITY_BUILD=ON)
# A warm compiler cache helps where there is one; a fresh machine does without.
if command -v ccache > /dev/null; then
    configure_flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# Sets `processor` to the processor seconds (user and system) of every command
# this shell has waited for: unlike the time on the clock, not stretched by
# other work on the machine. `times` runs in this shell, not in a subshell.
times_file=$(mktemp)
trap 'rm -f "$times_file"' EXIT
read_processor_seconds() {
    times > "$times_file"
    processor=$(awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/)
                               printf "%d", u[1] * 60 + u[2] + s[1] * 60 + s[2] }' "$times_file")
}

timed() {
    local name=$1 start=$SECONDS processor before
    shift
    read_processor_seconds
    before=$processor
    "$@"
    read_processor_seconds
    echo "== time: $name $((SECONDS - start)) s"
    echo "== processor time: $name $((processor - before)) s"
}

passed=0
run_suite() {
    local dir=$1
    shift
    mkdir -p "$dir"
    cmake -S . -B "$dir" -G Ninja "${configure_flags[@]}" "$@" > "$dir/configure.log" 2>&1 ||
        { cat "$dir/configure.log"; exit 1; }
    timed "build $dir" cmake --build "$dir" -j "$jobs"
    timed "tests $dir" ctest --test-dir "$dir" --output-on-failure -j "$jobs" |
        tee "$dir/ctest.log"
    local total
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$dir/ctest.log")
    passed=$((passed + total))
}

echo "== Normal build"
# The build's optimization without its debug information, which changes no
# code and is a third of each file's compile time; the sanitizer build keeps
# it for the backtraces. The benchmarks are built here, optimized, to be run.
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"

# The keyboard walk with the screen reader Orca listening takes longer than a
# test of the suite may, so it runs on its own; 77 means Orca is missing.
echo "== Screen reader walk"
walk=0
bash scripts/orca_walk.sh build/src/ui/tavrik || walk=$?
[ "$walk" -eq 0 ] || [ "$walk" -eq 77 ] || exit "$walk"

# One clang build serves the sanitizer suite and the fuzzers: the core is
# compiled once, with libFuzzer's coverage counters, for the tests and the
# fuzz targets alike.
echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DTAVRIK_SANITIZE=ON \
    -DTAVRIK_FUZZ=ON -DTAVRIK_BENCH=OFF

echo "== Fuzzing"
timed "fuzzing" bash scripts/fuzz.sh "${TAVRIK_FUZZ_SECONDS:-30}" build-asan

# Both suites passed (a failure stops the script before this line).
echo "summary: $passed passed, 0 failed"
echo "== time: whole test command $SECONDS s"
read_processor_seconds
echo "== processor time: whole test command $processor s"
