// Cost of one key press in the core, with history recording on: digit
// entry, an operator key that formats a result, and a function key.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/button_codes.h"
#include "engine/calculator.h"

namespace tavrik {
namespace {

// A started calculator, renewed now and then (outside the timing) so that
// the history it records does not grow without bound.
class Bench {
  public:
    explicit Bench(benchmark::State& state) : state_(state) { renew(); }

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
        calc_->setSettings(settings);
        calc_->start();
    }

    benchmark::State& state_;
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
    Bench bench(state);
    for (int code : {2, 4, int{kAdd}, 3, 4, int{kPoint}, 6, int{kEquals}})
        bench.calc().PushBBtn(code);
    // Each "=" repeats the addition: parse, apply, format with grouping, history line.
    for (auto _ : state) {
        bench.calc().PushBBtn(kEquals);
        bench.maybeRenew();
    }
}
BENCHMARK(OperatorKeyWithResult);

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

}  // namespace
}  // namespace tavrik

BENCHMARK_MAIN();
