#include "settings/value_readers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "settings/color_text.h"
#include "values/utf8.h"

namespace tavrik {
namespace {

std::optional<double> ParseNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    double number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

template <typename T, typename Parse>
T ReadValue(const ValueList& values, std::string_view key, T defaultValue, Parse parse) {
    const std::string* text = values.Find(key);
    if (!text || text->empty()) return defaultValue;
    return parse(*text).value_or(defaultValue);
}

}  // namespace

std::optional<int> ParseIntValue(std::string_view text) {
    const auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    const double whole = std::trunc(*number);
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(whole);
}

std::optional<bool> ParseBoolValue(std::string_view text) {
    if (utf8::EqualsIgnoreCase(text, "True")) return true;
    if (utf8::EqualsIgnoreCase(text, "False")) return false;
    const auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    return *number != 0;
}

std::string ReadTextValue(const ValueList& values, std::string_view key,
                          const std::string& defaultValue) {
    const std::string* text = values.Find(key);
    return text && !text->empty() ? *text : defaultValue;
}

int ReadIntValue(const ValueList& values, std::string_view key, int defaultValue) {
    return ReadValue(values, key, defaultValue, ParseIntValue);
}

bool ReadBoolValue(const ValueList& values, std::string_view key, bool defaultValue) {
    return ReadValue(values, key, defaultValue, ParseBoolValue);
}

Color ReadColorValue(const ValueList& values, std::string_view key, Color defaultValue) {
    return ReadValue(values, key, defaultValue, ParseColor);
}

char ReadLetterValue(const ValueList& values, std::string_view key, char defaultValue) {
    const std::string text = ReadTextValue(values, key, {});
    if (text.empty() || static_cast<unsigned char>(text.front()) >= 0x80) return defaultValue;
    return text.front();
}

std::string BoolText(bool value) {
    return value ? "1" : "0";
}

std::string NumberedKey(std::string_view prefix, int number) {
    return std::string(prefix) + std::to_string(number);
}

}  // namespace tavrik
