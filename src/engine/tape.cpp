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
    TapeReader reader;
    reader.extend(list, values);
    return reader.rows();
}

void TapeReader::extend(const HistoryList& list, const ValueContext& values) {
    long double total = totalBeforeLast_;
    if (!rows_.empty()) rows_.pop_back();
    for (std::size_t i = rows_.size(); i < list.lines.size(); ++i) {
        totalBeforeLast_ = total;
        const LineResult& result = list.results[i];
        TapeRow row{list.lines[i], result.shown, {}};
        if (result.total) {
            total += *result.total;
            row.grandTotal = TotalText(values, total);
        }
        rows_.push_back(std::move(row));
    }
}

void TapeReader::clear() {
    rows_.clear();
    totalBeforeLast_ = 0;
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
