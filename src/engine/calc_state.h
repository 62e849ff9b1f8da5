// The calculator state that every key reads and writes.
#pragma once

#include <string>

#include "values/value_context.h"

namespace tavrik {

// EntryState values.
enum EntryState : int {
    kNeverCleared = -1,    // before the first AC
    kResultShown = 0,      // a result or zero is shown; a digit starts a new number
    kFirstOperand = 1,     // the first operand is being typed
    kOperatorPending = 2,  // an operator waits; a digit starts the second operand
    kSecondOperand = 3,    // the second operand is being typed
};

// A result or a pending operator is shown: the next entry starts an operand.
inline bool ResultOrPending(int entryState) {
    return entryState == kResultShown || entryState == kOperatorPending;
}
// An operand is being typed.
inline bool Typing(int entryState) {
    return entryState == kFirstOperand || entryState == kSecondOperand;
}
// Typing begins: after a result the first operand, after an operator the
// second. M+ and M- leave no operator pending: what follows them, typed or
// recalled, starts a new first operand, never the operand of a missing operation.
inline int OperandStarted(int entryState, int pendingOperator) {
    if (entryState == kResultShown) return kFirstOperand;
    if (entryState == kOperatorPending) return pendingOperator < 0 ? kFirstOperand : kSecondOperand;
    return entryState;
}
// The operand being typed is given up or taken: back to the result or the
// pending operator it followed.
inline int OperandEnded(int entryState) {
    if (entryState == kFirstOperand) return kResultShown;
    if (entryState == kSecondOperand) return kOperatorPending;
    return entryState;
}

struct CalcState {
    std::string displayText = "0";
    int entryState = kNeverCleared;
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
