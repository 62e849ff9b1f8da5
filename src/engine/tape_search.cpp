// The history search: a typed number is found however the list writes it,
// with or without grouping, typed in full-width or plain digits.
#include <algorithm>

#include "engine/tape.h"
#include "values/pasted_number.h"

namespace tavrik {

namespace {

constexpr char kGroupingComma = ',';

// Whether `key` starts at `text[at]`, grouping commas of `text` skipped.
bool MatchesAt(std::string_view text, std::size_t at, std::string_view key) {
    std::size_t k = 0;
    for (std::size_t i = at; i < text.size() && k < key.size(); ++i) {
        if (text[i] == kGroupingComma) continue;
        if (text[i] != key[k]) return false;
        ++k;
    }
    return k == key.size();
}

}  // namespace

std::string TapeSearchKey(std::string_view typed) {
    std::string key = FoldedNumberText(typed);
    std::erase(key, kGroupingComma);
    std::erase(key, ' ');
    return key;
}

bool TapeTextMatches(std::string_view text, std::string_view key) {
    if (key.empty()) return false;
    for (std::size_t at = text.find(key.front()); at != std::string_view::npos;
         at = text.find(key.front(), at + 1)) {
        if (MatchesAt(text, at, key)) return true;
    }
    return false;
}

int FindTapeLine(const HistoryList& list, std::string_view key, int from, int step,
                 bool withResults) {
    const int count = static_cast<int>(list.lines.size());
    for (int i = from; i >= 0 && i < count; i += step) {
        const auto at = static_cast<std::size_t>(i);
        if (TapeTextMatches(WithoutLineNumber(list.lines[at]), key) ||
            (withResults && TapeTextMatches(list.results[at].shown, key)))
            return i;
    }
    return -1;
}

}  // namespace tavrik
