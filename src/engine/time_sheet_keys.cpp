// The time-sheet keys of time mode: decimal hours and rounding to 15 or 30
// minutes transform the time shown; 時刻差 is an operator (operator_step.cpp).
#include "engine/time_sheet_keys.h"

#include <array>

#include "engine/calculator.h"
#include "settings/key_codes.h"
#include "values/time_sheet.h"

namespace tavrik {

namespace {

struct RoundingKey {
    int code;
    int minutes;
    TimeRounding rounding;
};

constexpr std::array<RoundingKey, 6> kRoundingKeys{{
    {kRoundUp15, 15, TimeRounding::Up},
    {kRoundDown15, 15, TimeRounding::Down},
    {kRoundNearest15, 15, TimeRounding::Nearest},
    {kRoundUp30, 30, TimeRounding::Up},
    {kRoundDown30, 30, TimeRounding::Down},
    {kRoundNearest30, 30, TimeRounding::Nearest},
}};

constexpr std::array<std::string_view, kRoundNearest30 - kDecimalHours + 1> kLabels{
    "時間数",       "時刻差",       "15分切り上げ", "15分切り捨て",
    "15分四捨五入", "30分切り上げ", "30分切り捨て", "30分四捨五入"};

}  // namespace

std::string_view TimeSheetKeyLabel(int code) {
    return IsTimeSheetCode(code) ? kLabels[static_cast<std::size_t>(code - kDecimalHours)]
                                 : std::string_view();
}

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
