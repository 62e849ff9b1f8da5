// The office tape: the history list read with the result beside each line
// and a running grand total (GT) of the "=" results.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "history/history_list.h"
#include "values/value_context.h"

namespace tavrik {

struct TapeRow {
    std::string line;
    std::string result;      // empty when the line shows none
    std::string grandTotal;  // after "=" lines only: the sum of the "=" results so far
    bool operator==(const TapeRow&) const = default;
};

// The rows of `list`, the totals written as the mode of `values` writes numbers.
std::vector<TapeRow> TapeRows(const HistoryList& list, const ValueContext& values);

// The rows of a list that grows, read a line at a time: each read takes in
// only the lines appended since the last, so that a long list costs no more
// than a short one. The last row is read again, as its line may have taken
// its result since.
class TapeReader {
  public:
    // `list` must hold the lines read before (lines are only appended).
    void extend(const HistoryList& list, const ValueContext& values);
    void clear();
    const std::vector<TapeRow>& rows() const { return rows_; }

  private:
    std::vector<TapeRow> rows_;
    long double totalBeforeLast_ = 0;  // the grand total before the last row
};

// The rows as CSV: a byte order mark, the header 値,演算,結果, then one row a
// line (an AC line as the operation "AC"), CR LF after each.
std::string TapeCsv(const std::vector<TapeRow>& rows);
// The same columns as tab-separated text, as a spreadsheet takes it pasted:
// no byte order mark, LF after each row.
std::string TapeTabText(const std::vector<TapeRow>& rows);

// The history search. What the user typed, in the form lines are compared
// in: full-width digits and signs as ASCII ones, grouping commas dropped.
std::string TapeSearchKey(std::string_view typed);
// Whether `text` holds `key` (from TapeSearchKey), its grouping commas
// skipped: "1234" is found in "1,234,567". An empty key matches nothing.
bool TapeTextMatches(std::string_view text, std::string_view key);
// The first line from `from` on, stepping by `step` (1 down, -1 up), whose
// text without its number or, with `withResults`, whose result holds `key`;
// -1 when none does.
int FindTapeLine(const HistoryList& list, std::string_view key, int from, int step,
                 bool withResults);

}  // namespace tavrik
