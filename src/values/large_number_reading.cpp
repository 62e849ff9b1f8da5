#include "values/large_number_reading.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "values/ascii_digit.h"

namespace tavrik {
namespace {

constexpr std::size_t kGroupDigits = 4;
// One unit per group of four digits, from the lowest group up.
constexpr std::array<std::string_view, 18> kUnits{
    "",   "万", "億", "兆", "京",     "垓",     "秭",     "穣",       "溝",
    "澗", "正", "載", "極", "恒河沙", "阿僧祇", "那由他", "不可思議", "無量大数",
};
constexpr std::size_t kMaxIntegerDigits = kUnits.size() * kGroupDigits;

struct Decimal {
    bool negative = false;
    std::string integer;   // no leading zeros; empty for 0
    std::string fraction;  // no trailing zeros
};

// Splits the text into sign, integer digits and fraction digits, moving the
// decimal point by the exponent.
bool Parse(std::string_view text, Decimal& out) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        out.negative = true;
        ++i;
    }
    std::string digits;
    long pointAt = -1;
    bool any = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digits += c;
            any = true;
        } else if (c == ',' && pointAt < 0) {
            continue;
        } else if (c == '.' && pointAt < 0) {
            pointAt = static_cast<long>(digits.size());
        } else {
            break;
        }
    }
    if (!any) return false;
    if (pointAt < 0) pointAt = static_cast<long>(digits.size());
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::string_view exponent = text.substr(i + 1);
        if (!exponent.empty() && exponent.front() == '+') exponent.remove_prefix(1);
        int shift = 0;
        const auto [end, error] =
            std::from_chars(exponent.data(), exponent.data() + exponent.size(), shift);
        if (error != std::errc{} || end != exponent.data() + exponent.size()) return false;
        // Far beyond the units either way: no reading.
        if (shift > static_cast<int>(kMaxIntegerDigits) || shift < -1000) return false;
        pointAt += shift;
        i = text.size();
    }
    if (i != text.size()) return false;
    if (pointAt < 0) {
        digits.insert(0, static_cast<std::size_t>(-pointAt), '0');
        pointAt = 0;
    } else if (pointAt > static_cast<long>(digits.size())) {
        digits.append(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    }
    out.integer = digits.substr(0, static_cast<std::size_t>(pointAt));
    out.fraction = digits.substr(static_cast<std::size_t>(pointAt));
    out.integer.erase(0, std::min(out.integer.find_first_not_of('0'), out.integer.size()));
    const std::size_t last = out.fraction.find_last_not_of('0');
    out.fraction.resize(last == std::string::npos ? 0 : last + 1);
    return true;
}

}  // namespace

std::string LargeNumberReading(std::string_view number) {
    Decimal value;
    if (!Parse(number, value) || value.integer.size() > kMaxIntegerDigits) return {};
    std::string reading;
    if (value.negative && !(value.integer.empty() && value.fraction.empty())) reading = "-";

    const std::string& digits = value.integer;
    const std::size_t groups = (digits.size() + kGroupDigits - 1) / kGroupDigits;
    bool lowestShown = false;
    for (std::size_t g = groups; g-- > 0;) {
        const std::size_t end = digits.size() - g * kGroupDigits;
        const std::size_t begin = end >= kGroupDigits ? end - kGroupDigits : 0;
        std::string group = digits.substr(begin, end - begin);
        group.erase(0, group.find_first_not_of('0'));
        if (group.empty()) continue;
        reading += group;
        reading += kUnits[g];
        lowestShown = g == 0;
    }
    // The fraction belongs to the units group, which reads 0 when it is empty.
    if (!lowestShown && (digits.empty() || !value.fraction.empty())) reading += '0';
    if (!value.fraction.empty()) reading += "." + value.fraction;
    return reading;
}

std::string ReadingOf(std::string_view display, CalcMode mode) {
    if (mode != CalcMode::Decimal) return {};
    std::string reading = LargeNumberReading(display);
    const bool hasUnit = std::any_of(reading.begin(), reading.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return hasUnit ? reading : std::string();
}

}  // namespace tavrik
