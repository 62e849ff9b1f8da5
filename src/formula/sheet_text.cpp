#include "formula/sheet_text.h"

#include <unicode/utf8.h>

#include <algorithm>
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
    const auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    auto start = text.begin();
    while (start != text.end()) {
        const auto end = std::find_if(start, text.end(), isBreak);
        result.append(start, end).append(kLineBreak);
        if (end == text.end()) break;
        start = end + (*end == '\r' && end + 1 != text.end() && end[1] == '\n' ? 2 : 1);
    }
    return result;
}

}  // namespace tavrik
