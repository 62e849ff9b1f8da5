#include "values/unit_text.h"

#include <unicode/utf8.h>

#include "values/utf8.h"

namespace tavrik {

namespace {

bool IsNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

// Length in bytes of the UTF-8 character starting at `pos`.
std::size_t CharBytes(std::string_view text, std::size_t pos) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    auto i = static_cast<std::int32_t>(pos);
    U8_FWD_1(s, i, static_cast<std::int32_t>(text.size()));
    return static_cast<std::size_t>(i) - pos;
}

// Slot (1..6) of the unit character at `pos`, or 0.
int UnitAt(std::string_view text, std::size_t pos) {
    for (int slot = 1; slot <= 6; ++slot)
        if (text.substr(pos, kUnitChars[slot].size()) == kUnitChars[slot]) return slot;
    return 0;
}

}  // namespace

UnitSplit SplitUnitText(const ValueContext& ctx, std::string_view input, bool keepUnits,
                        bool strict) {
    UnitSplit split;
    UnitParts& parts = split.parts;
    for (std::size_t slot = kYearSlot; slot <= kBareNumberSlot; ++slot)
        parts[slot].assign(keepUnits ? 0 : 1, '0');

    std::string text(input);
    while (!text.empty() && text.front() == ' ') text.erase(0, 1);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    for (int day = 1; day <= 7; ++day) utf8::EraseFirst(text, kDayNames[day]);

    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == 'c') {
        parts[kPrefixSlot] += "c ";
        ++pos;
        if (pos < text.size() && text[pos] == ' ') ++pos;
    }
    if (pos < text.size() && text[pos] == '-') {
        parts[kPrefixSlot] += "-";
        ++pos;
    }

    int counter = strict ? 0 : 10;
    while (pos < text.size()) {
        std::size_t end = pos + CharBytes(text, pos);
        while (end < text.size() && IsNumberChar(text[end])) ++end;
        const int slot = UnitAt(text, end);
        if (slot == 0) {
            if (counter < 0) ctx.services.reporter.ReportCalcError("入力値形式エラー");
            parts[kBareNumberSlot] = text.substr(pos);
            break;
        }
        const std::size_t unitEnd = end + kUnitChars[slot].size();
        parts[slot] = text.substr(pos, (keepUnits ? unitEnd : end) - pos);
        --counter;
        split.hasUnits = true;
        pos = unitEnd;
    }
    return split;
}

}  // namespace tavrik
