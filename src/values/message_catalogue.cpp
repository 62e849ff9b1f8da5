#include "values/message_catalogue.h"

#include <algorithm>

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

constexpr std::string_view kUnknownFailure = "エラー";
// The head of the box of a failure; the failure's own text follows it.
constexpr std::string_view kFailureBoxHead = "エラーです";

bool IsEnglish(std::string_view text) {
    const bool ascii =
        std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const bool letters = std::ranges::any_of(
        text, [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
    return ascii && letters;
}

std::string Replaced(std::string_view text) {
    for (const CatalogueMessage& message : kMessages) {
        const auto at = text.find(message.english);
        if (at != std::string_view::npos)
            return std::string(text.substr(0, at)) + std::string(message.japanese) +
                   Replaced(text.substr(at + message.english.size()));
    }
    return std::string(text);
}

}  // namespace

std::span<const CatalogueMessage> MessageCatalogue() {
    return kMessages;
}

std::string JapaneseMessage(std::string_view text) {
    // A failure text the catalogue does not know (a library's own) is not shown.
    if (text.starts_with(kFailureBoxHead)) {
        const auto lastLine = text.find_last_of('\n');
        if (lastLine != std::string_view::npos && IsEnglish(Replaced(text.substr(lastLine + 1))))
            return std::string(text.substr(0, lastLine + 1)) + std::string(kUnknownFailure);
    }
    return Replaced(text);
}

}  // namespace tavrik
