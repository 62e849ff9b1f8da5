#include "values/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace tavrik {

namespace {

using u128 = unsigned __int128;

constexpr int kMaxPower = 19;

constexpr std::uint64_t Power10(int n) {
    std::uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// The rounded digits as an integer n with 10^(precision-1) <= n < 10^precision,
// computed exactly in 128-bit arithmetic: n = round(m * 2^e * 10^k). Nothing
// when the value lies outside the range this covers.
std::optional<DecimalDigits> ExactDigits(long double ax, int precision) {
    int binaryExponent = 0;
    const long double fraction = std::frexp(ax, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int e = binaryExponent - 64;  // ax = mantissa * 2^e
    // floor(log10(ax)), possibly one too small; corrected below.
    int e10 = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = precision - 1 - e10;
        if (k > kMaxPower || -k > kMaxPower) return std::nullopt;
        u128 numerator = mantissa, denominator = 1;
        if (k >= 0)
            numerator *= Power10(k);
        else
            denominator = Power10(-k);
        if (e >= 0) {
            if (e >= 64 || (numerator >> (127 - e)) != 0) return std::nullopt;
            numerator <<= e;
        } else {
            const int shift = -e;
            if (shift >= 127 || (denominator >> (126 - shift)) != 0) return std::nullopt;
            denominator <<= shift;
        }
        u128 n = numerator / denominator;
        const u128 twiceRemainder = (numerator % denominator) * 2;
        if (twiceRemainder > denominator || (twiceRemainder == denominator && (n & 1) != 0)) ++n;
        if (n >= Power10(precision)) {
            ++e10;
            continue;
        }
        if (n < Power10(precision - 1)) {
            --e10;
            continue;
        }
        char buffer[24];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer,
                                             static_cast<std::uint64_t>(n));
        DecimalDigits d{std::string(buffer, end), e10 + 1};
        while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
        return d;
    }
    return std::nullopt;
}

DecimalDigits PrintedDigits(long double ax, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, ax);
    DecimalDigits d;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    d.exponent = std::atoi(p + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

}  // namespace

DecimalDigits ToDecimalDigits(long double x, int precision) {
    const long double ax = std::fabs(x);
    if (ax == 0) return {};
    // Exact integer arithmetic covers everyday magnitudes; the C library's
    // multi-precision printing takes the rest.
    if (auto digits = ExactDigits(ax, precision)) return std::move(*digits);
    DecimalDigits d = PrintedDigits(ax, precision);
    if (d.digits.empty()) d.exponent = 0;
    return d;
}

}  // namespace tavrik
