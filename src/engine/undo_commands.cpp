// Undo and redo of key steps: the display, the entry state, the pending
// operator, the memory registers and the current history list.
#include "engine/calculator.h"

namespace tavrik {

KeyStep Calculator::currentStep() const {
    const HistoryList& list = history_.current();
    return KeyStep{state_,       memory_,       rules_.radix, list.lines.size(),
                   list.counter, list.selected, {},           {}};
}

void Calculator::recordKeyStep() {
    if (keyDepth_ == 0) undoSteps_.record(currentStep());
}

void Calculator::undo() {
    std::optional<KeyStep> before = undoSteps_.takeUndo();
    if (!before) return;
    KeyStep after = currentStep();
    const HistoryList& list = history_.current();
    const auto firstWritten = static_cast<std::ptrdiff_t>(before->lineCount);
    if (before->lineCount < list.lines.size()) {
        after.writtenLines.assign(list.lines.begin() + firstWritten, list.lines.end());
        after.writtenResults.assign(list.results.begin() + firstWritten, list.results.end());
    }
    // Kept for redo first: the views the step notifies ask what can be redone.
    undoSteps_.keepForRedo(std::move(after));
    history_.truncate(before->lineCount, before->lineCounter, before->selectedLine);
    takeStep(std::move(*before));
}

void Calculator::redo() {
    std::optional<KeyStep> after = undoSteps_.takeRedo();
    if (!after) return;
    undoSteps_.keepForUndo(currentStep());
    history_.append(after->writtenLines, after->writtenResults, after->lineCounter);
    history_.select(after->selectedLine);
    takeStep(std::move(*after));
}

void Calculator::takeStep(KeyStep step) {
    state_ = std::move(step.state);
    memory_ = std::move(step.memory);
    rules_.radix = step.radix;
    view_.changed(kDisplayChanged | kMemoryChanged);
}

}  // namespace tavrik
