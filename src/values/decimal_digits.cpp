#include "values/decimal_digits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

namespace tavrik {

namespace {

using u128 = unsigned __int128;

constexpr int kMaxPower = 19;
constexpr std::uint64_t kEightZeros = 100'000'000;

constexpr auto kPowers10 = [] {
    std::array<std::uint64_t, kMaxPower + 1> powers{};
    std::uint64_t p = 1;
    for (auto& power : powers) power = p, p *= 10;
    return powers;
}();

constexpr std::uint64_t Power10(int n) {
    return kPowers10[static_cast<std::size_t>(n)];
}

// The rounded digits as an integer n with 10^(precision-1) <= n < 10^precision,
// computed exactly in 128-bit arithmetic: n = round(m * 2^e * 10^k). Nothing
// when the value lies outside the range this covers.
std::optional<DecimalDigits> ExactDigits(long double ax, int precision) {
    // The 80-bit format: a 64-bit significand with its integer bit, and a
    // 15-bit biased exponent.
    static_assert(std::numeric_limits<long double>::digits == 64);
    std::uint64_t mantissa = 0;
    std::uint16_t biased = 0;
    std::memcpy(&mantissa, &ax, sizeof mantissa);
    std::memcpy(&biased, reinterpret_cast<const char*>(&ax) + sizeof mantissa, sizeof biased);
    biased &= 0x7FFF;
    const int e = (biased == 0 ? 1 : biased) - 16383 - 63;  // ax = mantissa * 2^e
    const int binaryExponent = e + 64 - std::countl_zero(mantissa);
    // floor(log10(ax)), possibly one too small; corrected below.
    int e10 = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120));
    if (e10 >= -1 && e10 < kMaxPower && ax >= static_cast<long double>(Power10(e10 + 1))) ++e10;
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
        u128 n, remainder;
        if (k >= 0 && e < 0) {
            // The denominator is a power of two: a shift and a mask.
            n = numerator >> -e;
            remainder = numerator & (denominator - 1);
        } else {
            n = numerator / denominator;
            remainder = numerator % denominator;
        }
        const u128 twiceRemainder = remainder * 2;
        if (twiceRemainder > denominator || (twiceRemainder == denominator && (n & 1) != 0)) ++n;
        if (n >= Power10(precision)) {
            ++e10;
            continue;
        }
        if (n < Power10(precision - 1)) {
            --e10;
            continue;
        }
        // Trailing zeros are dropped from the integer (eight at a time, then
        // four, two and one), so that only the digits kept are written.
        auto significand = static_cast<std::uint64_t>(n);
        while (significand % kEightZeros == 0) significand /= kEightZeros;
        // Each divisor a constant, so that no step is a hardware division.
        if (significand % 10'000 == 0) significand /= 10'000;
        if (significand % 100 == 0) significand /= 100;
        if (significand % 10 == 0) significand /= 10;
        char buffer[24];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, significand);
        return DecimalDigits{std::string(buffer, end), e10 + 1};
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
