#include "settings/shift_jis_text.h"

#include <algorithm>

#include "settings/cp932.h"

namespace tavrik {
namespace {

// Printable ASCII and tabs are the same bytes in both encodings.
bool IsPlainAscii(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == '\t' || (c >= 0x20 && c <= 0x7E); });
}

// Calls `take(line, lineEnd)` for each line, `lineEnd` being its CR LF, LF or
// nothing at the end of the text.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text = feed == std::string_view::npos ? std::string_view{} : text.substr(feed + 1);
        std::size_t endLength = feed == std::string_view::npos ? 0 : 1;
        if (endLength == 1 && line.ends_with('\r')) {
            line.remove_suffix(1);
            endLength = 2;
        }
        take(line, std::string_view(line.data() + line.size(), endLength));
    }
}

}  // namespace

std::optional<ShiftJisText> ShiftJisText::Decode(std::string_view bytes) {
    ShiftJisText result;
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

}  // namespace tavrik
