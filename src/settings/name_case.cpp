#include "settings/name_case.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <iterator>

namespace tavrik {

std::string FoldCase(std::string_view name) {
    std::string folded;
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        // Most names are ASCII key names; folding them needs no conversion.
        std::transform(name.begin(), name.end(), std::back_inserter(folded),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
        return folded;
    }
    icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())))
        .foldCase()
        .toUTF8String(folded);
    return folded;
}

}  // namespace tavrik
