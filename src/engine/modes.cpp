// The four modes: the switch, the per-mode key faces and the function key row.
#include <algorithm>

#include "engine/calculator.h"
#include "engine/key_descriptions.h"
#include "settings/key_codes.h"
#include "values/number_text.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

struct ModeFace {
    const char* letterKeys[6];  // captions of keys A..F outside decimal mode
    bool letterEnabled[6];
    const char* key33;
    const char* key34;
    bool point, percent, memorySubtract;
    const char* memoryAdd;
};

const ModeFace& FaceOf(CalcMode mode) {
    static const ModeFace kMixed{{"A", "B", "C", "D", "E", "F"},
                                 {true, true, true, true, true, true},
                                 "#d",
                                 "#h",
                                 false,
                                 false,
                                 true,
                                 "M+"};
    static const ModeFace kTime{{"", "", "日", "時", "分", "秒"},
                                {false, false, true, true, true, true},
                                "整列",
                                "変換",
                                true,
                                false,
                                false,
                                "M>"};
    static const ModeFace kDate{{"年", "月", "日", "", "曜", "暦"},
                                {true, true, true, false, true, true},
                                "整列",
                                "変換",
                                true,
                                false,
                                false,
                                "M>"};
    static const ModeFace kDecimal{{}, {}, "税込", "税抜", true, true, true, "M+"};
    switch (mode) {
        case CalcMode::Mixed:
            return kMixed;
        case CalcMode::Time:
            return kTime;
        case CalcMode::Date:
            return kDate;
        case CalcMode::Decimal:
            break;
    }
    return kDecimal;
}

}  // namespace

const char* Calculator::ModeName(CalcMode mode) {
    switch (mode) {
        case CalcMode::Mixed:
            return "混合";
        case CalcMode::Time:
            return "時間";
        case CalcMode::Date:
            return "日付";
        case CalcMode::Decimal:
            break;
    }
    return "10進";
}

void Calculator::switchMode(CalcMode mode) {
    if (checkedMode_ == mode) return;
    checkedMode_ = mode;
    rules_.mode = mode;
    rules_.radix = mode == CalcMode::Mixed ? Radix::Decimal : Radix::None;
    setPanel(StatusPart::Mode, ModeName(mode));
    FunctionKeyRow(mode == CalcMode::Decimal ? checkedFunctionGroup() : 0);
    applyModeFace();
    history_.setCurrentMode(mode);
    undoSteps_.clear();
    WriteLog(std::string("Mode Change: ") + ModeName(mode));
    view_.changed(kModeChanged);
    ProcBtn(kAllClear);
}

// In decimal mode with a "関数" menu: its checked group, or the first one
// (checked from then on); otherwise row 0.
int Calculator::checkedFunctionGroup() {
    auto& items = functionMenu_.items;
    if (items.empty() || !FunctionMenuVisible(mode())) return 0;
    const auto checked = std::find_if(items.begin(), items.end(),
                                      [](const FunctionMenuItem& item) { return item.checked; });
    if (checked != items.end()) return checked->tag;
    items.front().checked = true;
    return items.front().tag;
}

void Calculator::selectFunctionGroup(int tag) {
    if (!CheckFunctionGroup(functionMenu_, mode(), tag)) return;
    FunctionKeyRow(tag);
    view_.changed(kModeChanged);
}

void Calculator::FunctionKeyRow(int row) {
    const ModeFace& face = FaceOf(mode());
    for (int j = 1; j <= 6; ++j) {
        KeyFace& key = keypad_[static_cast<std::size_t>(10 + j)];
        if (mode() == CalcMode::Decimal) {
            const int code = settings_.F[static_cast<std::size_t>(6 * row + j - 1)];
            key.code = code;
            key.caption = settings_.FunctionTitle(code);
            key.enabled = !key.caption.empty();
        } else {
            key.code = 10 + j;
            key.caption = face.letterKeys[j - 1];
            key.enabled = face.letterEnabled[j - 1];
        }
        key.underlined = false;
    }
    describeKeys();
    view_.changed(kKeypadChanged);
}

void Calculator::applyModeFace() {
    const ModeFace& face = FaceOf(mode());
    keypad_[kTaxIn].caption = face.key33;
    keypad_[kTaxOut].caption = face.key34;
    keypad_[kTaxIn].underlined = rules_.radix == Radix::Decimal;
    keypad_[kTaxOut].underlined = rules_.radix == Radix::Hex;
    keypad_[kPoint].enabled = face.point;
    keypad_[kPercent].enabled = face.percent;
    keypad_[kMemorySubtract].enabled = face.memorySubtract;
    keypad_[kMemoryAdd].caption = face.memoryAdd;
    describeKeys();
    view_.changed(kKeypadChanged);
}

void Calculator::describeKeys() {
    for (int tag = 1; tag <= kOnScreenKeys; ++tag) {
        KeyFace& key = keypad_[static_cast<std::size_t>(tag)];
        key.description = KeyDescription(mode(), key, settings_);
    }
}

void Calculator::radixKey(int code) {
    if (mode() == CalcMode::Time || mode() == CalcMode::Date)
        return code == kTaxIn ? arrangeKey() : convertKey();
    if (mode() != CalcMode::Mixed) return;
    const bool hex = code == kTaxOut;
    rules_.radix = hex ? Radix::Hex : Radix::Decimal;
    applyModeFace();
    const char other = hex ? 'd' : 'h';
    if (!state_.displayText.empty() && state_.displayText.front() == other)
        setDisplay(format(ParseValueText(values_, state_.displayText).extended()));
    const std::string zero = EntryPrefixOf(values_, state_.displayText, true) + "0";
    if (utf8::EqualsIgnoreCase(state_.displayText, zero)) state_.entry.endOperand();
}

void Calculator::ProcBtnF(int code) {
    if (mode() == CalcMode::Time) {
        if (code >= kDayKey) timeUnitKey(code);
        return;
    }
    if (mode() == CalcMode::Date) {
        if (code <= kDayKey) dateUnitKey(code);
        if (code == kWeekdayKey) weekdayKey();
        if (code == kCalendarKey) calendarKey();
        return;
    }
    if (mode() != CalcMode::Mixed || rules_.radix != Radix::Hex) return;
    const char letter = KeyCodeChar(code);
    if (state_.entry.neverCleared()) ProcBtn(kAllClear);
    if (state_.entry.resultOrPending()) {
        setDisplay(EntryPrefixOf(values_, state_.displayText, false) + letter);
        state_.entry.startOperand(state_.pendingOperator);
        setPanel(StatusPart::Message, "");
        return;
    }
    if (ChkDgts(0)) setDisplay(state_.displayText + letter);
}

}  // namespace tavrik
