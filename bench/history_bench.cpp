// Cost of a long history: the worst single "=" while the list grows to a
// million lines, and writing a million-line history file.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>

#include "engine/calculator.h"
#include "history/history_file.h"
#include "history/history_list.h"
#include "settings/key_codes.h"

namespace tavrik {
namespace {

constexpr std::size_t kLongHistory = 1'000'000;

// The processor time this thread has used. Unlike the wall clock it leaves
// out the time other processes hold the processor, and keeps page faults.
std::chrono::nanoseconds ThreadTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

double Microseconds(std::chrono::nanoseconds time) {
    return std::chrono::duration<double, std::micro>(time).count();
}

// Presses "=" on a repeated addition until the history holds a million lines,
// timing each press on its own. Counters: the slowest press in wall time and
// in processor time, and how many presses took more than a millisecond of
// processor time.
void HistoryWorstKeyPress(benchmark::State& state) {
    using WallClock = std::chrono::steady_clock;
    constexpr auto kStall = std::chrono::milliseconds(1);
    FixedClock clock{DateTime{2024, 5, 3, 12, 0, 0}};
    NullView view;
    std::chrono::nanoseconds slowestWall{};
    std::chrono::nanoseconds slowestCpu{};
    long stalls = 0;
    for (auto _ : state) {
        Calculator calc(view, clock);
        calc.setSettings(GlobalSettings{});
        calc.start();
        for (int code : {2, 4, int{kAdd}, 3, 4, int{kPoint}, 6}) calc.PushBBtn(code);
        const auto& lines = calc.history().current().lines;
        while (lines.size() < kLongHistory) {
            const auto wallStart = WallClock::now();
            const auto cpuStart = ThreadTime();
            calc.PushBBtn(kEquals);
            const auto cpu = ThreadTime() - cpuStart;
            slowestWall =
                std::max<std::chrono::nanoseconds>(slowestWall, WallClock::now() - wallStart);
            slowestCpu = std::max(slowestCpu, cpu);
            stalls += cpu > kStall;
        }
    }
    state.counters["max_press_us"] = Microseconds(slowestWall);
    state.counters["max_press_cpu_us"] = Microseconds(slowestCpu);
    state.counters["presses_over_1ms"] = static_cast<double>(stalls);
}
BENCHMARK(HistoryWorstKeyPress)->Unit(benchmark::kMillisecond)->Iterations(1);

// Writes a million history lines, as the calculator numbers them, to a new file.
void HistoryFileWrite(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path path = fs::temp_directory_path() / "tavrik-history-bench.txt";
    NullView view;
    History history(view);
    history.setOptions(0, 1);
    for (std::size_t i = 0; history.current().lines.size() < kLongHistory; ++i) {
        history.AddHList(std::to_string(i * 7919 % 1'000'003) + ".25", kValueLine);
        history.AddHList("#+", kOperationLine);
    }
    const DateTime now{2024, 5, 3, 12, 0, 0};
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(path);
        state.ResumeTiming();
        if (!WriteHistoryFile(path, CalcMode::Decimal, history.current().lines, now))
            state.SkipWithError("the history file cannot be written");
    }
    fs::remove(path);
}
BENCHMARK(HistoryFileWrite)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrik

BENCHMARK_MAIN();
