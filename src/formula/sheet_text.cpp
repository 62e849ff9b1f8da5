#include "formula/sheet_text.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tavrik {

namespace {

// Blanks and control characters, as trimming removes them.
bool IsBlankByte(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Every CR is followed by LF, every LF follows CR, and the last line is ended.
bool HasCrLfBreaksOnly(std::string_view text) {
    std::size_t pairs = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
         lf = text.find('\n', lf + 1)) {
        if (lf == 0 || text[lf - 1] != '\r') return false;
        ++pairs;
    }
    std::size_t returns = 0;
    for (std::size_t cr = text.find('\r'); cr != std::string_view::npos;
         cr = text.find('\r', cr + 1))
        ++returns;
    return pairs == returns && (text.empty() || text.ends_with(kLineBreak));
}

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

std::size_t CountLineFeeds(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos;
         lf = text.find('\n', lf + 1))
        ++count;
    return count;
}

std::size_t LastLineBreak(std::string_view text) {
    while (!text.empty()) {
        const void* lf = memrchr(text.data(), '\n', text.size());
        if (lf == nullptr) break;
        const auto at = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data());
        if (at > 0 && text[at - 1] == '\r') return at - 1;
        text = text.substr(0, at);
    }
    return std::string_view::npos;
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

std::string WithLineBreaks(std::string text) {
    if (HasCrLfBreaksOnly(text)) return text;
    std::string result;
    result.reserve(text.size() + text.size() / 16 + 2);
    std::string_view rest = text;
    while (!rest.empty()) {
        // Lines end at LF, with or without CR before it; a CR alone ends one too.
        const std::size_t lf = rest.find('\n');
        std::string_view line = rest.substr(0, lf);
        rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        for (std::size_t cr = line.find('\r'); cr != std::string_view::npos; cr = line.find('\r')) {
            result.append(line.substr(0, cr)).append(kLineBreak);
            line.remove_prefix(cr + 1);
        }
        result.append(line).append(kLineBreak);
    }
    return result;
}

}  // namespace tavrik
