#include "formula/sheet_text.h"

#include <unicode/utf8.h>

#include <cstdint>

namespace tavrik {

namespace {

// Blanks and control characters, as trimming removes them.
bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::vector<std::string_view> SheetLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(kLineBreak, start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + kLineBreak.size();
    }
    return lines;
}

std::size_t ByteOffset(std::string_view text, std::size_t index) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    for (std::size_t n = 0; n < index && i < length; ++n) U8_FWD_1(s, i, length);
    return static_cast<std::size_t>(i);
}

bool EndsWithEquals(std::string_view text) {
    while (!text.empty() && IsBlankByte(text.back())) text.remove_suffix(1);
    return text.ends_with('=') || text.ends_with("＝");
}

bool IsCommentOrBlank(std::string_view line) {
    while (!line.empty() && IsBlankByte(line.front())) line.remove_prefix(1);
    return line.empty() || line.front() == '#' || line.front() == '\'';
}

std::string WithLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16 + 2);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            result.append(text.substr(start)).append(kLineBreak);
            break;
        }
        result.append(text.substr(start, end - start)).append(kLineBreak);
        start = end + (text.compare(end, 2, kLineBreak) == 0 ? 2 : 1);
    }
    return result;
}

}  // namespace tavrik
