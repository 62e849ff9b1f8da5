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
        return units == "c " || ReadPastedNumber(ctx, units).accepted();
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
    const auto has = [&](std::string_view unit) { return utf8::Contains(text, unit); };
    if (text.starts_with('c')) return ReadsIn(CalcMode::Date, text);
    if (text.starts_with('d') || text.starts_with('h')) return ReadsIn(CalcMode::Mixed, text);
    if (has("時") || has("分") || has("秒")) return ReadsIn(CalcMode::Time, text);
    if (has("年") || has("月")) return ReadsIn(CalcMode::Date, text);
    if (has("日")) return ReadsIn(CalcMode::Time, text) || ReadsIn(CalcMode::Date, text);
    return ReadsIn(CalcMode::Decimal, text);
}

}  // namespace tavrik
