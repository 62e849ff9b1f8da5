#include "values/message_catalogue.h"

#include <algorithm>
#include <array>

namespace tavrik {

namespace {

constexpr CatalogueMessage kMessages[] = {
    {"Invalid floating point operation", "無効な浮動小数点演算です"},
    {"Floating point division by zero", "0 で割ることはできません"},
    {"Floating point underflow", "浮動小数点数のアンダーフローです"},
    {"Floating point overflow", "浮動小数点数のオーバーフローです"},
    {"Integer overflow", "整数のオーバーフローです"},
    {"Invalid argument", "引数が範囲外です"},
    {"Invalid number", "数値として読めません"},
    {"ERROR: Convert", "エラー: 数値に変換できません"},
    {"ERROR: Other", "エラー: 値を読めません"},
    {"Math error", "計算エラーです"},
    {"' is not a valid integer value", "' は整数として読めません"},
    {"Error", "エラー"},
};

// The unreadable history token stands between quotes in front of this text.
constexpr std::string_view kNotIntegerTail = "' is not a valid integer value";

constexpr std::string_view kUnknownFailure = "エラー";
// The heads of the boxes of a failure; the failure's own text is their last line.
constexpr std::array<std::string_view, 2> kFailureBoxHeads = {"エラーです", "*** エラー ***"};

bool IsEnglish(std::string_view text) {
    const bool ascii =
        std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const bool letters = std::ranges::any_of(
        text, [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
    return ascii && letters;
}

// A whole message the catalogue knows, in Japanese; any other text (a path, a
// set name, a history token) as it is.
std::string Translated(std::string_view text) {
    const auto japanese = [](std::string_view english) {
        const auto found = std::ranges::find(kMessages, english, &CatalogueMessage::english);
        return found == std::end(kMessages) ? std::string() : std::string(found->japanese);
    };
    if (std::string known = japanese(text); !known.empty()) return known;
    if (text.starts_with('\'') && text.ends_with(kNotIntegerTail)) {
        text.remove_suffix(kNotIntegerTail.size());
        return std::string(text) + japanese(kNotIntegerTail);
    }
    return std::string(text);
}

}  // namespace

std::span<const CatalogueMessage> MessageCatalogue() {
    return kMessages;
}

std::string JapaneseMessage(std::string_view text) {
    // In a failure box only the failure's own text, its last line, is
    // translated; one the catalogue does not know (a library's own) is not shown.
    const bool failureBox = std::ranges::any_of(
        kFailureBoxHeads, [&](std::string_view head) { return text.starts_with(head); });
    const auto lastLine = text.find_last_of('\n');
    if (failureBox && lastLine != std::string_view::npos) {
        const std::string failure = Translated(text.substr(lastLine + 1));
        return std::string(text.substr(0, lastLine + 1)) +
               (IsEnglish(failure) ? std::string(kUnknownFailure) : failure);
    }
    return Translated(text);
}

}  // namespace tavrik
