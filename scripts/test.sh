#!/usr/bin/env bash
# Sets up, builds and runs every test: a normal build, a build with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

passed=0
run_suite() {
    local dir=$1
    shift
    mkdir -p "$dir"
    cmake -S . -B "$dir" -G Ninja "$@" > "$dir/configure.log" 2>&1 || { cat "$dir/configure.log"; exit 1; }
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" | tee "$dir/ctest.log"
    local total
    total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' "$dir/ctest.log")
    passed=$((passed + total))
}

echo "== Normal build"
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The keyboard walk with the screen reader Orca listening takes longer than a
# test of the suite may, so it runs on its own; 77 means Orca is missing.
echo "== Screen reader walk"
walk=0
bash scripts/orca_walk.sh build/src/ui/tavrik || walk=$?
[ "$walk" -eq 0 ] || [ "$walk" -eq 77 ] || exit "$walk"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTAVRIK_SANITIZE=ON -DTAVRIK_BENCH=OFF

echo "== Fuzzing"
bash scripts/fuzz.sh "${TAVRIK_FUZZ_SECONDS:-30}"

# Both suites passed (a failure stops the script before this line).
echo "summary: $passed passed, 0 failed"
