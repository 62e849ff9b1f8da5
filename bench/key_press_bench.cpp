// Cost of one key press in the core, with history recording on: digit
// entry, an operator key that formats a result (with the log off and on), a
// function key, and keyboard keys through the key table with each step kept
// for undo, and the undo and redo keys themselves.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculator.h"
#include "settings/key_codes.h"

namespace tavrik {
namespace {

// Virtual-key codes of the keyboard keys the benchmarks type.
constexpr int kKeypadPlus = 107;
constexpr int kEnter = 13;

// "24 + 34.6 =": a calculation whose "=" each later "=" repeats.
constexpr int kAdditionKeys[] = {2, 4, kAdd, 3, 4, kPoint, 6, kEquals};

// A started calculator, renewed now and then (outside the timing) so that
// the history it records does not grow without bound. Every new calculator
// is primed with the same keys, so that each press meets the same state.
class Bench {
  public:
    // With a `logPath`, every calculator logs to that file.
    Bench(benchmark::State& state, std::span<const int> primer = {},
          std::filesystem::path logPath = {})
        : state_(state), primer_(primer.begin(), primer.end()), logPath_(std::move(logPath)) {
        renew();
    }

    Calculator& calc() { return *calc_; }

    void maybeRenew() {
        if (++presses_ % 100000 != 0) return;
        state_.PauseTiming();
        renew();
        state_.ResumeTiming();
    }

  private:
    void renew() {
        calc_ = std::make_unique<Calculator>(view_, clock_);
        GlobalSettings settings;
        settings.F[0] = 101;  // square root on key A
        settings.KK3 = true;
        settings.Keys[kKeypadPlus] = "++++";
        settings.Keys[kEnter] = "====";
        for (const LaterKeyDefault& later : kLaterKeyDefaults)
            settings.Keys[static_cast<std::size_t>(later.index)] = later.entry;
        calc_->setSettings(settings);
        calc_->start();
        if (!logPath_.empty()) calc_->startLog(logPath_.string());
        for (int code : primer_) calc_->PushBBtn(code);
    }

    benchmark::State& state_;
    std::vector<int> primer_;
    std::filesystem::path logPath_;
    NullView view_;
    FixedClock clock_{DateTime{2024, 5, 3, 12, 0, 0}};
    std::unique_ptr<Calculator> calc_;
    long presses_ = 0;
};

void DigitEntry(benchmark::State& state) {
    Bench bench(state);
    static constexpr int kKeys[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, kPoint, 2, 3, kClearEntry};
    std::size_t i = 0;
    for (auto _ : state) {
        bench.calc().PushBBtn(kKeys[i]);
        i = (i + 1) % std::size(kKeys);
        bench.maybeRenew();
    }
}
BENCHMARK(DigitEntry);

void OperatorKeyWithResult(benchmark::State& state) {
    Bench bench(state, kAdditionKeys);
    // Each "=" repeats the addition: parse, apply, format with grouping, history line.
    for (auto _ : state) {
        bench.calc().PushBBtn(kEquals);
        bench.maybeRenew();
    }
}
BENCHMARK(OperatorKeyWithResult);

// The same "=" with the log on: each press also writes its key trace and its
// line to the log file, and hands them to the system before it returns.
void OperatorKeyWithLog(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path path = fs::temp_directory_path() / "tavrik-key-press-bench.log";
    fs::remove(path);
    {
        Bench bench(state, kAdditionKeys, path);
        if (!bench.calc().log().active()) state.SkipWithError("the log cannot be opened");
        for (auto _ : state) {
            bench.calc().PushBBtn(kEquals);
            bench.maybeRenew();
        }
    }
    fs::remove(path);
}
BENCHMARK(OperatorKeyWithLog);

void FunctionKey(benchmark::State& state) {
    Bench bench(state);
    for (auto _ : state) {
        bench.calc().PushBBtn(10);   // digit 9
        bench.calc().PushBBtn(101);  // square root
        bench.maybeRenew();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(FunctionKey);

// "12 + 3 =" typed on the keyboard: each key is looked up in the key table
// and its step kept for undo (100 steps deep) before it is taken.
void KeyboardKeyWithUndoRecording(benchmark::State& state) {
    Bench bench(state);
    static constexpr int kKeys[] = {'1', '2', kKeypadPlus, '3', kEnter};
    std::size_t i = 0;
    for (auto _ : state) {
        bench.calc().pressKeyboardKey(kKeys[i], 0);
        i = (i + 1) % std::size(kKeys);
        bench.maybeRenew();
    }
}
BENCHMARK(KeyboardKeyWithUndoRecording);

// Ctrl+Z and Ctrl+Y in turn after "24 + 34.6 =": each puts back the state and
// the history line of the "=".
void UndoAndRedoKeys(benchmark::State& state) {
    Bench bench(state, kAdditionKeys);
    bool undo = true;
    for (auto _ : state) {
        bench.calc().pressKeyboardKey(undo ? 'Z' : 'Y', kCtrlKey);
        undo = !undo;
    }
}
BENCHMARK(UndoAndRedoKeys);

}  // namespace
}  // namespace tavrik

BENCHMARK_MAIN();
