#include "values/utf8.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cctype>

namespace tavrik::utf8 {

std::size_t Length(std::string_view text) {
    std::size_t count = 0;
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length; ++count) {
        if (s[i] < 0x80)
            ++i;
        else
            U8_FWD_1(s, i, length);
    }
    return count;
}

std::string DropLast(std::string_view text) {
    if (text.empty()) return {};
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    auto i = static_cast<std::int32_t>(text.size());
    U8_BACK_1(s, 0, i);
    return std::string(text.substr(0, static_cast<std::size_t>(i)));
}

std::string_view DropFirst(std::string_view text, std::size_t count) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    for (std::size_t n = 0; n < count && i < length; ++n) U8_FWD_1(s, i, length);
    return text.substr(static_cast<std::size_t>(i));
}

bool EraseFirst(std::string& text, std::string_view part) {
    const auto pos = text.find(part);
    if (pos == std::string::npos || part.empty()) return false;
    text.erase(pos, part.size());
    return true;
}

bool ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
    const auto pos = text.find(from);
    if (pos == std::string::npos || from.empty()) return false;
    text.replace(pos, from.size(), to);
    return true;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Sanitize(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        const std::int32_t start = i;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0)
            out += "\xEF\xBF\xBD";
        else
            out.append(
                text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
    }
    return out;
}

}  // namespace tavrik::utf8
