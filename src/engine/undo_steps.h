// The steps the keypad can undo and redo: before each key step the state it
// changes is kept, so that undo puts it back and redo makes the step again.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "engine/calc_state.h"
#include "engine/memory_registers.h"
#include "history/history_list.h"
#include "values/value_context.h"

namespace tavrik {

// The calculator as it stood at one step, with the history list's length;
// a step kept for redo also holds the history lines its key wrote.
struct KeyStep {
    CalcState state;
    MemoryRegisters memory;
    Radix radix = Radix::None;
    std::size_t lineCount = 0;
    int lineCounter = 0;
    int selectedLine = -1;
    HistoryLines writtenLines;
    LineResults writtenResults;
};

class UndoSteps {
  public:
    static constexpr std::size_t kDepth = 100;

    // A new step: it can be undone, and what was undone can no longer be redone.
    void record(KeyStep before) {
        undo_.push_back(std::move(before));
        if (undo_.size() > kDepth) undo_.pop_front();
        redo_.clear();
    }
    std::optional<KeyStep> takeUndo() { return take(undo_); }
    std::optional<KeyStep> takeRedo() { return take(redo_); }
    void keepForRedo(KeyStep after) { redo_.push_back(std::move(after)); }
    void keepForUndo(KeyStep before) { undo_.push_back(std::move(before)); }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void clear() {
        undo_.clear();
        redo_.clear();
    }

  private:
    static std::optional<KeyStep> take(std::deque<KeyStep>& steps) {
        if (steps.empty()) return std::nullopt;
        KeyStep step = std::move(steps.back());
        steps.pop_back();
        return step;
    }
    std::deque<KeyStep> undo_;
    std::deque<KeyStep> redo_;
};

}  // namespace tavrik
