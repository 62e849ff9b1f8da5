// The history lists and memory registers kept across a restart.
#include <algorithm>

#include "engine/calculator.h"

namespace tavrik {

namespace {

constexpr std::array<CalcMode, 4> kModes{CalcMode::Decimal, CalcMode::Mixed, CalcMode::Time,
                                         CalcMode::Date};
// MaxLineH from this value on limits a list, as AddHList applies it.
constexpr int kSmallestLineLimit = 6;

}  // namespace

KeptState Calculator::keptState() const {
    const int maxLines = currentSet().MaxLineH;
    const std::size_t cap = maxLines >= kSmallestLineLimit
                                ? std::min(static_cast<std::size_t>(maxLines), kMaxKeptLines)
                                : kMaxKeptLines;
    KeptState state;
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        const HistoryList& list = history_.list(kModes[i]);
        const auto kept = std::min(cap, list.lines.size());
        state.lists[i].assign(list.lines.begin(),
                              list.lines.begin() + static_cast<std::ptrdiff_t>(kept));
        state.counters[i] = list.counter;
    }
    state.memory = memory_.texts;
    state.currentMemory = memory_.current;
    return state;
}

void Calculator::restoreKeptState(const KeptState& state) {
    undoSteps_.clear();
    for (std::size_t i = 0; i < kModes.size(); ++i)
        history_.restore(kModes[i], HistoryLines(state.lists[i].begin(), state.lists[i].end()),
                         state.counters[i]);
    memory_.texts = state.memory;
    selectMemory(state.currentMemory);
}

}  // namespace tavrik
