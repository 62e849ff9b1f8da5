// The time-sheet keys of time mode: decimal hours and rounding to 15 or 30
// minutes transform the time shown; 時刻差 is an operator (operator_step.cpp).
#include "engine/time_sheet_keys.h"

#include <array>

#include "engine/calculator.h"
#include "settings/key_codes.h"
#include "values/time_sheet.h"

namespace tavrik {

namespace {

constexpr int kQuarterHour = 15;  // minutes
constexpr int kHalfHour = 30;

struct RoundingKey {
    int code;
    int minutes;
    TimeRounding rounding;
};

constexpr std::array<RoundingKey, 6> kRoundingKeys{{
    {kRoundUp15, kQuarterHour, TimeRounding::Up},
    {kRoundDown15, kQuarterHour, TimeRounding::Down},
    {kRoundNearest15, kQuarterHour, TimeRounding::Nearest},
    {kRoundUp30, kHalfHour, TimeRounding::Up},
    {kRoundDown30, kHalfHour, TimeRounding::Down},
    {kRoundNearest30, kHalfHour, TimeRounding::Nearest},
}};

}  // namespace

// The value shown is what the next operator reads: a typed first operand
// becomes a result (a digit then starts a new entry), a result waiting for
// an operator is replaced, and a second operand stays the operand being
// typed. A typed entry is kept in the history first.
void Calculator::timeSheetKey(int code) {
    CalcState& s = state_;
    if (s.entry.typing()) {
        completeTimeEntry();
        AddHList(s.displayText, kValueLine);
        if (s.entry.typingFirstOperand()) s.entry.endOperand();
    }
    const std::string old = s.displayText;
    DspMsg("", kMessageClear);
    std::string converted;
    if (code == kDecimalHours) {
        converted = ToggleDecimalHours(values_, s.unitLevel, old);
    } else {
        for (const RoundingKey& key : kRoundingKeys)
            if (key.code == code)
                converted = RoundTime(values_, s.unitLevel, old, key.minutes, key.rounding);
    }
    s.previousDisplayText = old;
    // After "=" the result waits as the left operand of the next operator.
    if (s.entry.state() == EntryState::OperatorPending) s.firstOperandText = converted;
    setDisplay(std::move(converted));
    const std::string label(TimeSheetKeyLabel(code));
    setPanel(StatusPart::Operation, label);
    AddHList("#F" + std::to_string(code) + " (" + label + ")", kOperationLine);
    WriteLog(old + " (" + label + ") [" + s.displayText + "]");
}

}  // namespace tavrik
