// The calculator state that every key reads and writes.
#pragma once

#include <string>

#include "values/value_context.h"

namespace tavrik {

// Where the entry stands between keys.
enum class EntryState : int {
    NeverCleared = -1,    // before the first AC
    ResultShown = 0,      // a result or zero is shown; a digit starts a new number
    FirstOperand = 1,     // the first operand is being typed
    OperatorPending = 2,  // an operator waits; a digit starts the second operand
    SecondOperand = 3,    // the second operand is being typed
};

// The entry state, moved only by its named transitions.
class Entry {
  public:
    EntryState state() const { return state_; }

    bool neverCleared() const { return state_ == EntryState::NeverCleared; }
    bool resultShown() const { return state_ == EntryState::ResultShown; }
    // A result or a pending operator is shown: the next entry starts an operand.
    bool resultOrPending() const {
        return state_ == EntryState::ResultShown || state_ == EntryState::OperatorPending;
    }
    bool typingFirstOperand() const { return state_ == EntryState::FirstOperand; }
    bool typingSecondOperand() const { return state_ == EntryState::SecondOperand; }
    // An operand is being typed.
    bool typing() const {
        return state_ == EntryState::FirstOperand || state_ == EntryState::SecondOperand;
    }

    // A calculation ended, or AC cleared: its result (or zero) is shown.
    void showResult() { state_ = EntryState::ResultShown; }
    // An operator took the display as its left operand and waits for the right one.
    void awaitOperand() { state_ = EntryState::OperatorPending; }
    // Typing begins: after a result the first operand, after an operator the
    // second. M+ and M- leave no operator pending: what follows them, typed or
    // recalled, starts a new first operand, never the operand of a missing operation.
    void startOperand(int pendingOperator) {
        if (state_ == EntryState::ResultShown)
            state_ = EntryState::FirstOperand;
        else if (state_ == EntryState::OperatorPending)
            state_ = pendingOperator < 0 ? EntryState::FirstOperand : EntryState::SecondOperand;
    }
    // The shown result is taken over as the first operand, to be completed
    // by further keys; a pending operator stays pending.
    void continueResult() {
        if (state_ == EntryState::ResultShown) state_ = EntryState::FirstOperand;
    }
    // The operand being typed is given up or taken: back to the result or the
    // pending operator it followed.
    void endOperand() {
        if (state_ == EntryState::FirstOperand)
            state_ = EntryState::ResultShown;
        else if (state_ == EntryState::SecondOperand)
            state_ = EntryState::OperatorPending;
    }

  private:
    EntryState state_ = EntryState::NeverCleared;
};

struct CalcState {
    std::string displayText = "0";
    Entry entry;
    long double accumulator = 0;
    long double operand = 0;
    long double repeatConstant = 0;
    int pendingOperator = -1;
    int repeatOperator = -1;
    int lastFunctionCode = -1;
    std::string previousDisplayText;
    std::string firstOperandText;
    // Largest unit the convert key may re-express a time or date result in.
    int unitLevel = kAnyUnitLevel;
};

}  // namespace tavrik
