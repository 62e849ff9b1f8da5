#include "values/pasted_decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <utility>

#include "values/ascii_digit.h"

namespace tavrik::pasted {

namespace {

// An exponent has at most this many digits; anything larger fits no display.
constexpr std::size_t kMaxExponentDigits = 4;
constexpr int kTenThousandPower = 4;

// d × 10^power, exactly.
Decimal Shifted(Decimal d, int power) {
    if (power > 0) {
        const auto n = static_cast<std::size_t>(power);
        if (d.fraction.size() < n) d.fraction.append(n - d.fraction.size(), '0');
        d.whole += d.fraction.substr(0, n);
        d.fraction.erase(0, n);
    } else if (power < 0) {
        const auto n = static_cast<std::size_t>(-power);
        if (d.whole.size() < n) d.whole.insert(0, n - d.whole.size(), '0');
        d.fraction.insert(0, d.whole.substr(d.whole.size() - n));
        d.whole.erase(d.whole.size() - n);
    }
    return d;
}

Decimal Sum(Decimal a, Decimal b) {
    const std::size_t fractionSize = std::max(a.fraction.size(), b.fraction.size());
    const std::size_t wholeSize = std::max(a.whole.size(), b.whole.size());
    for (Decimal* d : {&a, &b}) {
        d->fraction.append(fractionSize - d->fraction.size(), '0');
        d->whole.insert(0, wholeSize - d->whole.size(), '0');
    }
    const std::string x = a.whole + a.fraction;
    const std::string y = b.whole + b.fraction;
    std::string sum(x.size(), '0');
    int carry = 0;
    for (std::size_t i = x.size(); i-- > 0;) {
        const int digit = (x[i] - '0') + (y[i] - '0') + carry;
        sum[i] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    if (carry != 0) sum.insert(sum.begin(), '1');
    const std::size_t wholeEnd = sum.size() - fractionSize;
    return {sum.substr(0, wholeEnd), sum.substr(wholeEnd)};
}

}  // namespace

bool OnlyDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsDigit);
}

std::string WithoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return std::string(digits.empty() ? "0" : digits);
}

std::optional<Decimal> ReadPlain(std::string_view s) {
    const auto point = s.find('.');
    const std::string_view whole = s.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
    if (!OnlyDigits(fraction)) return std::nullopt;
    Decimal d{{}, std::string(fraction)};
    if (whole.find(',') == std::string_view::npos) {
        if (!OnlyDigits(whole)) return std::nullopt;
        d.whole = whole;
    } else {
        std::size_t start = 0;
        for (bool first = true;; first = false) {
            const auto comma = whole.find(',', start);
            const std::string_view group = whole.substr(start, comma - start);
            const bool sized = first ? !group.empty() && group.size() <= 3 : group.size() == 3;
            if (!sized || !OnlyDigits(group)) return std::nullopt;
            d.whole += group;
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
    }
    if (d.whole.empty() && d.fraction.empty()) return std::nullopt;
    return d;
}

std::optional<Decimal> ReadScientific(std::string_view s) {
    const auto e = s.find_first_of("eE");
    auto mantissa = ReadPlain(s.substr(0, e));
    if (!mantissa || e == std::string_view::npos) return mantissa;
    std::string_view exponent = s.substr(e + 1);
    const bool negative = exponent.starts_with('-');
    if (negative || exponent.starts_with('+')) exponent.remove_prefix(1);
    if (exponent.empty() || exponent.size() > kMaxExponentDigits || !OnlyDigits(exponent))
        return std::nullopt;
    int power = 0;
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
    return Shifted(std::move(*mantissa), negative ? -power : power);
}

// A plain number, or one in thousands: "2千", "1.5千", "2千500".
std::optional<Decimal> ReadThousands(std::string_view s) {
    constexpr std::string_view kThousand = "千";
    constexpr std::size_t kMostOnesDigits = 3;
    const auto at = s.find(kThousand);
    if (at == std::string_view::npos) return ReadPlain(s);
    const auto thousands = ReadPlain(s.substr(0, at));
    if (!thousands) return std::nullopt;
    Decimal total = Shifted(*thousands, 3);
    const std::string_view rest = s.substr(at + kThousand.size());
    if (rest.empty()) return total;
    const auto ones = ReadPlain(rest);
    if (!ones || ones->whole.size() > kMostOnesDigits || !ones->fraction.empty())
        return std::nullopt;
    return Sum(std::move(total), *ones);
}

// Each part before 兆, 億 and 万, and the rest, may be in thousands ("1万2千").
std::optional<Decimal> ReadAmount(std::string_view s) {
    static constexpr std::array<std::pair<std::string_view, int>, 3> kUnits{
        {{"兆", 3 * kTenThousandPower}, {"億", 2 * kTenThousandPower}, {"万", kTenThousandPower}}};
    Decimal total;
    bool anyUnit = false;
    for (const auto& [unit, power] : kUnits) {
        const auto at = s.find(unit);
        if (at == std::string_view::npos) continue;
        const auto part = ReadThousands(s.substr(0, at));
        if (!part) return std::nullopt;
        total = Sum(std::move(total), Shifted(*part, power));
        s.remove_prefix(at + unit.size());
        anyUnit = true;
    }
    if (!anyUnit && s.find("千") == std::string_view::npos) return ReadScientific(s);
    if (s.empty()) return total;
    const auto rest = ReadThousands(s);
    if (!rest) return std::nullopt;
    return Sum(std::move(total), *rest);
}

std::string DecimalText(const Decimal& d, bool negative) {
    std::string fraction = d.fraction;
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    const std::string whole = WithoutLeadingZeros(d.whole);
    const bool zero = whole == "0" && fraction.empty();
    return (negative && !zero ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

std::optional<std::string> ExponentText(const Decimal& d, bool negative) {
    const std::string digits = d.whole + d.fraction;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return std::nullopt;
    const auto last = digits.find_last_not_of('0');
    const long long power =
        static_cast<long long>(d.whole.size()) - 1 - static_cast<long long>(first);
    if (power < std::numeric_limits<long double>::min_exponent10 ||
        power >= std::numeric_limits<long double>::max_exponent10)
        return std::nullopt;
    std::string text = negative ? "-" : "";
    text += digits[first];
    if (last > first) text += "." + digits.substr(first + 1, last - first);
    return text + "E" + std::to_string(power);
}

}  // namespace tavrik::pasted
