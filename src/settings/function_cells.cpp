#include "settings/function_cells.h"

#include <charconv>

namespace tavrik {

namespace {

constexpr std::string_view kCodePrefix = "F#";
constexpr std::size_t kCodeDigits = 3;

}  // namespace

std::string FunctionSlotText(const GlobalSettings& settings, int code) {
    const std::string& title = settings.FunctionTitle(code);
    if (title.empty()) return {};
    return std::string(kCodePrefix) + std::to_string(code) + " (" + title + ")";
}

std::string FunctionChoiceText(const GlobalSettings& settings, int code) {
    const std::string& title = settings.FunctionTitle(code);
    std::string text = std::string(kCodePrefix) + std::to_string(code);
    if (!title.empty()) text += " (" + title + ")";
    return text;
}

int FunctionSlotCode(std::string_view text) {
    if (text.size() <= kCodePrefix.size()) return kNoFunction;
    const std::string_view digits = text.substr(kCodePrefix.size(), kCodeDigits);
    int code = kNoFunction;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (error != std::errc{} || code < kNoFunction || code > kLastFunction) return kNoFunction;
    return code;
}

}  // namespace tavrik
