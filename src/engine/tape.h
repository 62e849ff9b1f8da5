// The office tape: the history list read with the result beside each line
// and a running grand total (GT) of the "=" results.
#pragma once

#include <string>
#include <vector>

#include "history/history_list.h"
#include "values/value_context.h"

namespace tavrik {

struct TapeRow {
    std::string line;
    std::string result;      // empty when the line shows none
    std::string grandTotal;  // after "=" lines only: the sum of the "=" results so far
};

// The rows of `list`, the totals written as the mode of `values` writes numbers.
std::vector<TapeRow> TapeRows(const HistoryList& list, const ValueContext& values);

// The rows as CSV: a byte order mark, the header 値,演算,結果, then one row a
// line (an AC line as the operation "AC"), CR LF after each.
std::string TapeCsv(const std::vector<TapeRow>& rows);

}  // namespace tavrik
