#include "engine/tape.h"

#include "engine/calculator.h"
#include "values/number_text.h"

namespace tavrik {

namespace {

std::string TotalText(const ValueContext& values, long double total) {
    try {
        if (auto text = FormatValue(values, total)) return *text;
    } catch (const CalcFailure&) {
        // A total beyond the display's rounding is written in general form.
    }
    return GeneralForm(total);
}

}  // namespace

std::vector<TapeRow> TapeRows(const HistoryList& list, const ValueContext& values) {
    std::vector<TapeRow> rows;
    rows.reserve(list.lines.size());
    long double total = 0;
    for (std::size_t i = 0; i < list.lines.size(); ++i) {
        const LineResult& result = list.results[i];
        TapeRow row{list.lines[i], result.shown, {}};
        if (result.total) {
            total += *result.total;
            row.grandTotal = TotalText(values, total);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// An "=" result adds to the grand total only where results are numbers.
void Calculator::settleResult() {
    if (!history_.awaitingResult()) return;
    std::optional<long double> total;
    if (history_.awaitingEquals() && (mode() == CalcMode::Decimal || mode() == CalcMode::Mixed))
        total = displayValue();
    history_.settleResult(state_.displayText, total);
}

}  // namespace tavrik
