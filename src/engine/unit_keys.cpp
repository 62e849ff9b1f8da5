// Keys of time and date mode: unit keys, arrange, convert, weekday, calendar
// and the next-unit keys.
#include <charconv>
#include <cmath>

#include "engine/calculator.h"
#include "settings/key_codes.h"
#include "values/date_text.h"
#include "values/math_error.h"
#include "values/number_text.h"
#include "values/unit_text.h"
#include "values/unit_value.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

bool StartsWithC(std::string_view text) {
    return !text.empty() && text.front() == 'c';
}

// The unit character of the unit keys 年 … 秒 (kUnitChars from 年 at 1 on).
std::string_view UnitOfKey(int code) {
    return kUnitChars[static_cast<std::size_t>(code - kYearKey + 1)];
}

// The bare number being typed into a calendar date, as an integer.
long long TypedInteger(std::string_view bare) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(bare.data(), bare.data() + bare.size(), value);
    if (ec != std::errc() || end != bare.data() + bare.size()) ThrowFailure(FailureKind::Convert);
    return value;
}

// A number after 秒 would have no unit to take.
constexpr std::string_view kNumberAfterSeconds = "秒の後に単位のない数は置けません";

// The time unit key that comes after the last unit of `text` (日→時, 時→分,
// 分→秒): `noUnit` when the text has none, 0 after 秒.
int UnitKeyAfterLast(std::string_view text, int noUnit) {
    int last = 0;
    std::size_t lastAt = 0;
    for (int key = kDayKey; key <= kSecondKey; ++key) {
        const std::size_t at = text.rfind(UnitOfKey(key));
        if (at != std::string_view::npos && (last == 0 || at > lastAt)) last = key, lastAt = at;
    }
    if (last == 0) return noUnit;
    return last == kSecondKey ? 0 : last + 1;
}

// Whether a unit part (kept with its unit) is a whole number from low to high.
bool WholeIn(std::string_view slot, long double low, long double high) {
    const auto value = UnitNumberOf(utf8::DropLast(slot));
    return value && *value == std::trunc(*value) && *value >= low && *value <= high;
}

}  // namespace

void Calculator::timeUnitKey(int code) {
    const std::string_view unit = UnitOfKey(code);
    // After a result or an operator the display is not an entry: the unit key
    // starts a new one, as a digit would, instead of extending the old value.
    const std::string text = state_.entry.resultOrPending()
                                 ? EntryPrefixOf(values_, state_.displayText, true)
                                 : state_.displayText;
    if (utf8::Contains(text, unit)) return;
    const bool bareNumber =
        !SplitUnitText(values_, text, true, false).parts[kBareNumberSlot].empty();
    std::string typed;
    if (!state_.entry.resultOrPending() && bareNumber) {
        typed = text + std::string(unit);
    } else {
        const DateTime now = clock_.now();
        const int current = code == kDayKey      ? now.day
                            : code == kHourKey   ? now.hour
                            : code == kMinuteKey ? now.minute
                                                 : now.second;
        typed = TrimTrailingZeros(text) + std::to_string(current) + std::string(unit);
    }
    setDisplay(std::move(typed));
    state_.entry.startOperand(state_.pendingOperator);
}

void Calculator::dateUnitKey(int code) {
    const std::string_view unit = UnitOfKey(code);
    const std::string text = state_.displayText;
    if (utf8::Contains(text, unit)) return;
    const std::string bare = SplitUnitText(values_, text, true, false).parts[kBareNumberSlot];
    if (!StartsWithC(text)) {
        if (bare.empty()) return;
        setDisplay(text + std::string(unit));
        state_.entry.startOperand(state_.pendingOperator);
        return;
    }
    const bool typed = !bare.empty();
    const long long n = typed ? TypedInteger(bare) : 0;
    const DateTime now = clock_.now();
    const auto rangeError = [&](std::string_view message) {
        view_.beep();
        view_.messageBox(BoxKind::Error, message);
    };
    if (code == kYearKey) {
        if (!typed) {
            setDisplay(text + std::to_string(now.year) + std::string(unit));
        } else if (n >= 0 && n <= 999) {
            const std::string head =
                utf8::EndsWith(text, bare) ? text.substr(0, text.size() - bare.size()) : text;
            setDisplay(head + std::to_string(n == 0 ? now.year : 2000 + n) + std::string(unit));
        } else if (n >= kFirstCalendarYear && n <= kLastCalendarYear) {
            setDisplay(text + std::string(unit));
        } else {
            rangeError("値が範囲外です(年:1600～3000)");
        }
    } else {
        const bool month = code == kMonthKey;
        if (!typed || n < 1)
            setDisplay(TrimTrailingZeros(text) + std::to_string(month ? now.month : now.day) +
                       std::string(unit));
        else if (n > (month ? 12 : 31))
            rangeError(month ? "値が範囲外です(月:1～12)" : "値が範囲外です(日:1～31)");
        else
            setDisplay(text + std::string(unit));
    }
    state_.entry.startOperand(state_.pendingOperator);
}

void Calculator::weekdayKey() {
    if (state_.entry.resultShown() || state_.displayText.empty() || state_.displayText == "0")
        setDisplay("c 0");
    if (StartsWithC(state_.displayText))
        setDisplay(CompleteDateText(values_, state_.displayText, true));
    state_.entry.continueResult();
}

void Calculator::calendarKey() {
    std::string text = state_.displayText;
    if (text.empty() || text == "0") return setDisplay("c 0");
    if (StartsWithC(text)) {
        utf8::EraseFirst(text, "c ");
        for (int day = 1; day <= 7; ++day) utf8::EraseFirst(text, kDayNames[day]);
        return setDisplay(std::move(text));
    }
    if (const UnitSplit split = SplitUnitText(values_, text, true, false); split.hasUnits) {
        const UnitParts& parts = split.parts;
        const bool complete = !parts[kYearSlot].empty() && !parts[kMonthSlot].empty() &&
                              !parts[kDaySlot].empty() && !parts[kBareNumberSlot].empty();
        const bool inRange = (parts[kYearSlot].empty() ||
                              WholeIn(parts[kYearSlot], kFirstCalendarYear, kLastCalendarYear)) &&
                             (parts[kMonthSlot].empty() || WholeIn(parts[kMonthSlot], 1, 12)) &&
                             (parts[kDaySlot].empty() || WholeIn(parts[kDaySlot], 1, 31));
        if (complete || !inRange) return;
    }
    setDisplay("c " + text);
}

void Calculator::arrangeKey() {
    std::string arranged = CompleteDateText(values_, state_.displayText, false);
    setDisplay(arranged.empty() ? "0" : std::move(arranged));
}

void Calculator::convertKey() {
    UnitForm converted = FormatUnitValue(values_, state_.displayText, state_.unitLevel);
    state_.unitLevel = converted.level;
    setDisplay(std::move(converted.text));
}

void Calculator::nextUnitKey(int code) {
    // Read as h:m:s, the key gives the unit after the last one of the entry,
    // starting at 時, as a pasted "8:45:30" is read.
    if (code == kNextTimeUnit && mode() == CalcMode::Time && currentSet().TimeColon) {
        const std::string_view entry =
            state_.entry.resultOrPending() ? std::string_view() : state_.displayText;
        const int unitKey = UnitKeyAfterLast(entry, kHourKey);
        if (unitKey == 0) return errors_.ReportCalcError(kNumberAfterSeconds);
        return PushBBtn(unitKey);
    }
    int first = 0, last = 0;
    if (code == kNextTimeUnit && mode() == CalcMode::Time) first = kDayKey, last = kSecondKey;
    if (code == kNextDateUnit && mode() == CalcMode::Date) first = kYearKey, last = kDayKey;
    for (int unitKey = first; first > 0 && unitKey <= last; ++unitKey) {
        if (!utf8::Contains(state_.displayText, UnitOfKey(unitKey))) return PushBBtn(unitKey);
    }
}

void Calculator::completeTimeEntry() {
    const std::string& text = state_.displayText;
    const UnitSplit split = SplitUnitText(values_, text, true, false);
    if (!split.hasUnits || split.parts[kBareNumberSlot].empty()) return;
    const int unitKey = UnitKeyAfterLast(text, 0);
    if (unitKey == 0) {
        errors_.ReportCalcError(kNumberAfterSeconds);
        throw ReportedFailure();
    }
    setDisplay(text + std::string(UnitOfKey(unitKey)));
}

}  // namespace tavrik
