// What keeping the state costs while the calculator runs. The key press only
// arms a timer: "=" through a view that tells the schedule, as the desktop
// view does, and the arming alone. The write runs later from the event loop:
// the snapshot of four full history lists and the atomic write of the file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/calculator.h"
#include "history/kept_state.h"
#include "settings/key_codes.h"
#include "ui/window/kept_state_schedule.h"

namespace tavrik {
namespace {

constexpr int kAdditionKeys[] = {2, 4, kAdd, 3, 4, kPoint, 6, kEquals};
constexpr unsigned kKeptChanges = kHistoryChanged | kMemoryChanged | kSheetChanged;

class SchedulingView final : public View {
  public:
    explicit SchedulingView(ui::KeptStateSchedule& schedule) : schedule_(schedule) {}
    void changed(unsigned changes) override {
        if (changes & kKeptChanges) schedule_.changed();
    }
    void beep() override {}
    bool messageBox(BoxKind, std::string_view) override { return true; }
    void setClipboard(std::string_view) override {}
    bool statusBarVisible() const override { return true; }
    void reapplyStatusBar() override {}

  private:
    ui::KeptStateSchedule& schedule_;
};

std::unique_ptr<Calculator> Started(View& view, Clock& clock) {
    auto calc = std::make_unique<Calculator>(view, clock);
    calc->setSettings(GlobalSettings{});
    calc->start();
    return calc;
}

// The "=" of key_press_bench's OperatorKeyWithResult, each press telling the
// schedule that the history changed.
void OperatorKeyWithKeptState(benchmark::State& state) {
    ui::KeptStateSchedule schedule([] {});
    SchedulingView view(schedule);
    FixedClock clock{DateTime{2024, 5, 3, 12, 0, 0}};
    std::unique_ptr<Calculator> calc;
    long presses = 0;
    for (auto _ : state) {
        if (presses++ % 100000 == 0) {
            state.PauseTiming();
            calc = Started(view, clock);
            for (int code : kAdditionKeys) calc->PushBBtn(code);
            state.ResumeTiming();
        }
        calc->PushBBtn(kEquals);
    }
}
BENCHMARK(OperatorKeyWithKeptState);

// The first change after a write starts the timer; the cancel that lets the
// next iteration start it again is timed with it, so this is an upper bound.
void ArmingTheWrite(benchmark::State& state) {
    ui::KeptStateSchedule schedule([] {});
    for (auto _ : state) {
        schedule.changed();
        schedule.cancel();
    }
}
BENCHMARK(ArmingTheWrite);

KeptState FourFullLists() {
    KeptState state;
    for (std::size_t mode = 0; mode < state.lists.size(); ++mode) {
        for (std::size_t line = 1; line <= kMaxKeptLines; ++line)
            state.lists[mode].push_back(std::to_string(line) + ": 1,234,567.891");
        state.counters[mode] = static_cast<int>(kMaxKeptLines);
    }
    return state;
}

void KeptStateSnapshotFourFullLists(benchmark::State& state) {
    NullView view;
    FixedClock clock{DateTime{2024, 5, 3, 12, 0, 0}};
    const std::unique_ptr<Calculator> calc = Started(view, clock);
    calc->restoreKeptState(FourFullLists());
    for (auto _ : state) benchmark::DoNotOptimize(calc->keptState());
}
BENCHMARK(KeptStateSnapshotFourFullLists)->Unit(benchmark::kMillisecond);

void KeptStateWriteFourFullLists(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "tavrik-kept-state-bench";
    const KeptState kept = FourFullLists();
    for (auto _ : state) {
        if (!SaveKeptState(folder / "state.txt", kept)) state.SkipWithError("not written");
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(KeptStateText(kept).size()));
    fs::remove_all(folder);
}
BENCHMARK(KeptStateWriteFourFullLists)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavrik
