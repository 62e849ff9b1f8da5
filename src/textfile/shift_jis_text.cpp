#include "textfile/shift_jis_text.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

#include "textfile/cp932.h"
#include "textfile/lost_characters.h"

namespace tavrik {
namespace {

// Printable ASCII and tabs are the same bytes in both encodings.
bool IsPlainAscii(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == '\t' || (c >= 0x20 && c <= 0x7E); });
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsUtf8(std::string_view text) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(s, i, length, c);
        if (c < 0) return false;
    }
    return true;
}

// Calls `take(line, lineEnd)` for each line, `lineEnd` being its CR LF, LF,
// CR or nothing at the end of the text.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        std::size_t endLength = 0;
        if (end != std::string_view::npos) endLength = text.substr(end).starts_with("\r\n") ? 2 : 1;
        text.remove_prefix(line.size() + endLength);
        take(line, std::string_view(line.data() + line.size(), endLength));
    }
}

}  // namespace

std::optional<ShiftJisText> ShiftJisText::Decode(std::string_view bytes) {
    ShiftJisText result;
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
        if (!IsUtf8(bytes)) return std::nullopt;
        result.text_ = bytes;
        result.utf8_ = true;
        return result;
    }
    bool converted = true;
    ForEachLine(bytes, [&](std::string_view line, std::string_view lineEnd) {
        if (!converted) return;
        if (IsPlainAscii(line)) {
            result.text_ += line;
        } else {
            std::optional<std::string> text = cp932::Decode(line);
            if (!text) {
                converted = false;
                return;
            }
            result.text_ += *text;
            result.sources_[std::move(*text)].emplace_back(line);
        }
        result.text_ += lineEnd;
    });
    if (!converted) return std::nullopt;
    return result;
}

std::optional<std::string> ShiftJisText::Encode(std::string_view utf8) const {
    if (utf8_) return std::string(kUtf8Mark) + std::string(utf8);
    std::string bytes;
    std::unordered_map<std::string_view, std::size_t> used;
    bool converted = true;
    ForEachLine(utf8, [&](std::string_view line, std::string_view lineEnd) {
        if (!converted) return;
        if (IsPlainAscii(line)) {
            bytes += line;
        } else if (const auto found = sources_.find(std::string(line)); found != sources_.end()) {
            const std::vector<std::string>& sources = found->second;
            std::size_t& count = used[found->first];
            bytes += sources[std::min(count++, sources.size() - 1)];
        } else {
            const std::string encoded = cp932::Encode(line);
            if (encoded.empty()) {
                converted = false;
                return;
            }
            bytes += encoded;
        }
        bytes += lineEnd;
    });
    if (!converted) return std::nullopt;
    return bytes;
}

std::vector<std::string> ShiftJisText::LostCharacters(std::string_view utf8) const {
    if (utf8_) return {};
    std::string converted;
    ForEachLine(utf8, [&](std::string_view line, std::string_view) {
        if (IsPlainAscii(line) || sources_.contains(std::string(line))) return;
        converted.append(line).push_back('\n');
    });
    return tavrik::LostCharacters(converted);
}

}  // namespace tavrik
