#include "engine/calculator.h"

#include <algorithm>
#include <chrono>
#include <functional>

#include "formula/user_functions.h"
#include "settings/key_codes.h"
#include "settings/name_case.h"
#include "values/number_text.h"
#include "values/office_calendar.h"

namespace tavrik {

Calculator::Calculator(View& view, const Clock& clock)
    : view_(view),
      clock_(clock),
      status_(view),
      errors_(view, status_, log_),
      services_{errors_, status_, clock},
      history_(view),
      keypad_(DesignKeypad()),
      random_(
          static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
    userFunctionEvaluator_ = [this](std::string_view formula, long double x, long double y) {
        return ApplyUserFunction(status_, formula, x, y);
    };
    applySetInForce();
    log_.onWriteFailure([this] {
        view_.messageBox(BoxKind::Error, "ファイルが作成できませんでした");
        view_.changed(kLogChanged);
    });
}

const SettingsSet& Calculator::currentSet() const {
    return settings_.SetTable[static_cast<std::size_t>(currentSetIndex_)];
}

void Calculator::setSettings(GlobalSettings settings) {
    settings_ = std::move(settings);
    const int listed =
        std::min(settings_.LastSetIndex + 1, static_cast<int>(settings_.SectionList.size()));
    const auto find = [&](auto same) {
        for (int i = 0; i < listed; ++i)
            if (same(settings_.SectionList[static_cast<std::size_t>(i)], settings_.Set)) return i;
        return -1;
    };
    // The name as written first: the usual start then never folds letter case.
    int index = find(std::equal_to<std::string_view>());
    if (index < 0) index = find(SameName);
    currentSetIndex_ = index < 0 ? kDefaultSetSlot : index;
    rules_.grouping = settings_.KK3;
    applySetInForce();
}

void Calculator::replaceSettings(GlobalSettings settings) {
    settings_ = std::move(settings);
    if (currentSetIndex_ != kDefaultSetSlot && currentSetIndex_ > settings_.LastSetIndex)
        currentSetIndex_ = kDefaultSetSlot;
    applySetInForce();
}

void Calculator::selectSet(int index) {
    undoSteps_.clear();
    currentSetIndex_ = index >= 0 && index <= settings_.LastSetIndex ? index : kDefaultSetSlot;
    applySetInForce();
}

void Calculator::applyEditedSettings(GlobalSettings edited, int setIndex, GroupingCheck grouping) {
    replaceSettings(std::move(edited));
    selectSet(setIndex);
    if (grouping == GroupingCheck::FollowsKK3) setGrouping(settings_.KK3);
}

void Calculator::chooseSet(int index, const std::function<void()>& layOut) {
    selectSet(index);
    if (layOut) layOut();
    const CalcMode setMode = ModeFromLetter(currentSet().Mode);
    if (setMode != mode()) switchMode(setMode);
}

void Calculator::keepGuideBarPositions(int gxPos, int gyPos) {
    SettingsSet& set = settings_.SetTable[static_cast<std::size_t>(currentSetIndex_)];
    set.GXPos = gxPos;
    set.GYPos = gyPos;
}

void Calculator::applySetInForce() {
    const SettingsSet& set = currentSet();
    rules_.roundM = set.RoundM;
    rules_.roundD = set.RoundD;
    errors_.setErrCtMax(settings_.ErrCtMax);
    rules_.office = {settings_.BizDays, settings_.FirstDay, settings_.Gannen,
                     ReadHolidayList(settings_.Holidays)};
    history_.setOptions(set.MaxLineH, set.LNoTypeH);
    functionMenu_ = RebuildFunctionMenu(settings_, functionMenu_);
    if (checkedMode_) {
        FunctionKeyRow(mode() == CalcMode::Decimal ? checkedFunctionGroup() : 0);
        applyModeFace();
    }
}

void Calculator::setGeometry(const DisplayGeometry& geometry) {
    rules_.geometry = geometry;
}

// The value shown is written again at once, with or without its commas.
void Calculator::setGrouping(bool on) {
    if (rules_.grouping == on) return;
    rules_.grouping = on;
    if (mode() != CalcMode::Decimal) return;
    std::string plain = state_.displayText;
    std::erase(plain, ',');
    guarded([&] { setDisplay(GroupDigits(values_, plain)); });
}

void Calculator::start() {
    memory_.current = 0;
    CalcMode mode = ModeFromLetter(currentSet().Mode);
    if (settings_.Save) mode = ModeFromLetter(settings_.Mode);
    selectMemory(0);
    switchMode(mode);
    ProcBtn(kAllClear);
}

void Calculator::PushBBtn(int code) {
    recordKeyStep();
    ++keyDepth_;
    guarded([&] {
        ProcBtn(code);
        settleResult();
    });
    history_.dropAwaitingResult();
    --keyDepth_;
}

void Calculator::guarded(const std::function<void()>& work) {
    // A failure that is not arithmetic: its own box, then the calculator is cleared.
    const auto failed = [&](const std::string& message) {
        view_.beep();
        view_.messageBox(BoxKind::Error, "*** エラー ***\r\n" + message);
        PushBBtn(kAllClear);
    };
    try {
        work();
    } catch (const ReportedFailure&) {
        // The key stops here; the display keeps its text and the message stays.
    } catch (const CalcFailure& failure) {
        if (failure.isMath())
            errors_.ReportMathException(failure);
        else
            failed(FailureText(failure));
    } catch (const std::exception&) {
        // The library's own (English) text is no message for the user.
        failed(FailureText(FailureKind::Other));
    }
}

void Calculator::ProcBtn(int code) {
    log_.appendKeyTrace(code);
    if (IsDigitCode(code)) return digit(code);
    switch (code) {
        case kKeyA:
        case kKeyB:
        case kKeyC:
        case kKeyD:
        case kKeyE:
        case kKeyF:
            return ProcBtnF(code);
        case kThreeZeros:
            return threeZeros();
        case kPoint:
            return decimalPoint();
        case kAdd:
        case kSubtract:
        case kMultiply:
        case kDivide:
        case kEquals:
        case kPercent:
            return operatorStep(code);
        case kChangeSign:
            return unaryStep(code);
        case kClearEntry:
            return clearEntry();
        case kMemoryAdd:
        case kMemorySubtract:
            return memoryAddSubtract(code);
        case kMemoryRecall:
            return memoryRecallKey();
        case kMemoryClear:
            return memoryClearKey();
        case kAllClear:
            return allClear();
        case kBackspace:
            return backspace();
        case kTaxIn:
        case kTaxOut:
            if (mode() == CalcMode::Decimal) return unaryStep(code);
            return radixKey(code);
        case kReducedTaxIn:
        case kReducedTaxOut:
        case kTaxAmount:
            if (mode() == CalcMode::Decimal) unaryStep(code);
            return;
        case kClockDifference:
            if (mode() == CalcMode::Time) operatorStep(code);
            return;
        case kDecimalHours:
        case kRoundUp15:
        case kRoundDown15:
        case kRoundNearest15:
        case kRoundUp30:
        case kRoundDown30:
        case kRoundNearest30:
            if (mode() == CalcMode::Time) timeSheetKey(code);
            return;
        case kCopy:
            return copyToClipboard();
        case kNextTimeUnit:
        case kNextDateUnit:
            return nextUnitKey(code);
        default:
            if (mode() == CalcMode::Decimal) functionKey(code);
            return;
    }
}

void Calculator::setDisplay(std::string text) {
    state_.displayText = std::move(text);
    view_.changed(kDisplayChanged);
}

// Zero in the mode's form; a mixed-mode display without a chosen radix
// becomes decimal with it.
std::string Calculator::zeroText() {
    if (rules_.mode == CalcMode::Mixed && rules_.radix == Radix::None)
        rules_.radix = Radix::Decimal;
    return ZeroText(rules_);
}

long double Calculator::displayValue() {
    return ParseValueText(values_, state_.displayText).extended();
}

std::string Calculator::format(long double value) {
    return FormatValue(values_, value).value_or(state_.displayText);
}

}  // namespace tavrik
