#include "settings/name_case.h"

#include <unicode/unistr.h>

namespace tavrik {

std::string FoldCase(std::string_view name) {
    std::string folded;
    icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())))
        .foldCase()
        .toUTF8String(folded);
    return folded;
}

}  // namespace tavrik
