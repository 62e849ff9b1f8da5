// The decimal numbers of pasted texts, read exactly as their digits: plain
// and grouped numbers, exponents and the 兆/億/万 units, and the texts the
// display writes for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrik::pasted {

// An unsigned decimal number as its digits before and after the point.
struct Decimal {
    std::string whole;
    std::string fraction;
};

bool OnlyDigits(std::string_view s);
std::string WithoutLeadingZeros(std::string_view digits);

// Digits, grouped by commas in threes or not at all, then an optional point
// and digits.
std::optional<Decimal> ReadPlain(std::string_view s);
// A plain number with an optional exponent ("1.5E3", "2e-4").
std::optional<Decimal> ReadScientific(std::string_view s);
// A number with 兆, 億 and 万 in falling order ("1億2345万"), or a
// scientific number.
std::optional<Decimal> ReadAmount(std::string_view s);

// The shortest text of a decimal: no leading zeros, no trailing fraction zeros.
std::string DecimalText(const Decimal& d, bool negative);
// A number too long to write out, written as the display writes one: the
// first digit, the others after a point, then "E" and the power of ten
// ("3.33E-11", "1E30"). Nothing for zero or a power beyond the range of a value.
std::optional<std::string> ExponentText(const Decimal& d, bool negative);

}  // namespace tavrik::pasted
