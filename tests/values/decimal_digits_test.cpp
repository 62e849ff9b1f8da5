#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "values/decimal_digits.h"

namespace tavrik {
namespace {

// The C library's correctly rounded printing, as the reference.
DecimalDigits Reference(long double x, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, std::fabs(x));
    DecimalDigits d;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    d.exponent = std::atoi(p + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exponent = 0;
    return d;
}

void ExpectSameAsReference(long double x, int precision) {
    const DecimalDigits expected = Reference(x, precision);
    const DecimalDigits actual = ToDecimalDigits(x, precision);
    EXPECT_EQ(actual.digits, expected.digits) << static_cast<double>(x) << " P" << precision;
    EXPECT_EQ(actual.exponent, expected.exponent) << static_cast<double>(x) << " P" << precision;
}

TEST(DecimalDigitsTest, KnownValues) {
    EXPECT_EQ(ToDecimalDigits(0.0L, 15).digits, "");
    const DecimalDigits third = ToDecimalDigits(1.0L / 3.0L, 15);
    EXPECT_EQ(third.digits, "333333333333333");
    EXPECT_EQ(third.exponent, 0);
    const DecimalDigits big = ToDecimalDigits(1.5e20L, 16);
    EXPECT_EQ(big.digits, "15");
    EXPECT_EQ(big.exponent, 21);
    EXPECT_EQ(ToDecimalDigits(9.9999999999999999L, 15).digits, "1");
    EXPECT_EQ(ToDecimalDigits(9.9999999999999999L, 15).exponent, 2) << "rounds up to 10";
}

TEST(DecimalDigitsTest, TiesRoundToEven) {
    for (long double tie : {0.5L, 1.5L, 2.5L, 0.125L, 0.375L, 1234.5L, 1e15L + 0.5L, 12.25L})
        for (int precision = 1; precision <= 18; ++precision) ExpectSameAsReference(tie, precision);
}

TEST(DecimalDigitsTest, MatchesCorrectRoundingAcrossMagnitudes) {
    std::mt19937_64 random(20241207);
    std::uniform_real_distribution<double> unit(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-40, 45);
    for (int i = 0; i < 200000; ++i) {
        long double x = unit(random) * std::pow(10.0L, exponent(random));
        if (i % 3 == 0) x = std::nextafter(std::round(x * 1000.0L) / 1000.0L, x);
        if (i % 7 == 0) x = static_cast<long double>(static_cast<double>(x));  // binary64 values
        const int precision = 1 + i % 18;
        ExpectSameAsReference(x, precision);
        if (HasFailure()) return;
    }
}

TEST(DecimalDigitsTest, DecimalLookingSums) {
    for (int a = 0; a < 2000; ++a) {
        const long double x = a * 0.01L + static_cast<long double>(0.1) * (a % 7);
        ExpectSameAsReference(x, 15);
        ExpectSameAsReference(x, 16);
    }
}

}  // namespace
}  // namespace tavrik
