#!/usr/bin/env bash
# Sets up, builds and runs every test: a normal build, a build with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets.
# Every build treats a compiler warning as an error. Each phase prints its
# time, so that a slow phase shows in the log.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export TAVRIK_WERROR=ON
configure_flags=(-DTAVRIK_WERROR=ON)
# A warm compiler cache helps where there is one; a fresh machine does without.
if command -v ccache > /dev/null; then
    configure_flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

timed() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    echo "== time: $name $((SECONDS - start)) s"
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
timed "fuzzing" bash scripts/fuzz.sh "${TAVRIK_FUZZ_SECONDS:-30}"

# Both suites passed (a failure stops the script before this line).
echo "summary: $passed passed, 0 failed"
echo "== time: whole test command $SECONDS s"
