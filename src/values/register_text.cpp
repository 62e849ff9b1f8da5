#include "values/register_text.h"

#include <algorithm>

#include "values/error_report.h"
#include "values/math_error.h"
#include "values/message_line.h"
#include "values/number_text.h"
#include "values/pasted_number.h"
#include "values/utf8.h"
#include "values/view.h"

namespace tavrik {

namespace {

struct SilentLog : LogSink {
    void WriteLog(std::string_view) override {}
};

// Room for any text and the widest mixed-mode word: the width belongs to the
// display the text is recalled into, not to the register.
constexpr DisplayGeometry kAnyWidth{1 << 20, 1, 16};

// The units a number being typed may follow.
constexpr std::string_view kTypedAfter[] = {"年", "月", "日", "時", "分", "秒"};

bool ReadsIn(CalcMode mode, std::string_view text) {
    NullView view;
    SilentLog log;
    StatusLine status(view);
    ErrorReporter reporter(view, status, log);
    const FixedClock clock{DateTime{}};
    const ValueServices services{reporter, status, clock};
    ValueRules rules;
    rules.mode = mode;
    rules.geometry = kAnyWidth;
    const ValueContext ctx{rules, services};
    if (mode == CalcMode::Time || mode == CalcMode::Date) {
        // While a unit is still to come the display ends in the number typed
        // ("1時3"), or holds the date marker alone ("c ").
        const std::size_t typedStart = text.find_last_not_of("0123456789.") + 1;
        const std::string_view typed = text.substr(typedStart);
        if (std::count(typed.begin(), typed.end(), '.') > 1) return false;
        const std::string_view units = text.substr(0, typedStart);
        if (units == "c ") return true;
        // A number being typed follows a unit directly; seconds, the
        // smallest unit, take none. A display never ends in a blank.
        const bool followsAUnit =
            units.empty() || units == "-" ||
            std::any_of(std::begin(kTypedAfter), std::end(kTypedAfter),
                        [&](std::string_view u) { return units.ends_with(u); });
        if (!typed.empty() && !followsAUnit) return false;
        if (mode == CalcMode::Time && !typed.empty() && units.ends_with("秒")) return false;
        if (units.ends_with(' ')) return false;
        return ReadPastedNumber(ctx, units).accepted();
    }
    try {
        ParseValueText(ctx, text);
        return true;
    } catch (const ReportedFailure&) {
        return false;
    }
}

}  // namespace

// The forms are told apart as recall tells them apart.
bool IsRegisterText(std::string_view text) {
    // A display holds no control characters.
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return false;
    const auto has = [&](std::string_view unit) { return utf8::Contains(text, unit); };
    if (text.starts_with('c')) return ReadsIn(CalcMode::Date, text);
    if (text.starts_with('d') || text.starts_with('h')) return ReadsIn(CalcMode::Mixed, text);
    if (has("時") || has("分") || has("秒")) return ReadsIn(CalcMode::Time, text);
    if (has("年") || has("月")) return ReadsIn(CalcMode::Date, text);
    if (has("日")) return ReadsIn(CalcMode::Time, text) || ReadsIn(CalcMode::Date, text);
    return ReadsIn(CalcMode::Decimal, text);
}

}  // namespace tavrik
