#include <gtest/gtest.h>

#include "formula/tax.h"

namespace tavrik {
namespace {

enum Rounding { kNone, kHalfUp, kDown, kUp };

// The rounded result of numerator / denominator (both positive) by the tax
// rounding, found by testing the two candidates against the definition:
// the largest whole n with n ≤ r + offset.
long long Reference(long long numerator, long long denominator, int rounding) {
    const long long below = numerator / denominator;
    const auto fits = [&](long long n) {
        switch (rounding) {
            case kHalfUp:  // n ≤ r + 1/2
                return 2 * n * denominator <= 2 * numerator + denominator;
            case kDown:  // n ≤ r
                return n * denominator <= numerator;
            default:  // n ≤ r + 9/10
                return 10 * n * denominator <= 10 * numerator + 9 * denominator;
        }
    };
    return fits(below + 1) ? below + 1 : below;
}

// 1 … 1,000,000 yen at both rates, every rounding, tax in, tax out and the
// tax contained: no binary fraction may tip a yen.
TEST(TaxResult, AgreesWithExactIntegersForEveryYenUpToAMillion) {
    constexpr long long kMostYen = 1000000;
    for (const int rate : {10, 8}) {
        const struct {
            TaxKind kind;
            long long numerator, denominator;
        } kinds[] = {{TaxKind::Included, rate + 100, 100},
                     {TaxKind::Excluded, 100, rate + 100},
                     {TaxKind::Contained, rate, rate + 100}};
        for (const auto& k : kinds) {
            for (const int rounding : {kNone, kHalfUp, kDown, kUp}) {
                long long wrong = 0;
                for (long long yen = 1; yen <= kMostYen; ++yen) {
                    const long double result =
                        TaxResult(k.kind, rate, rounding, static_cast<long double>(yen));
                    const long double expected =
                        rounding == kNone ? static_cast<long double>(yen * k.numerator) /
                                                static_cast<long double>(k.denominator)
                                          : static_cast<long double>(Reference(
                                                yen * k.numerator, k.denominator, rounding));
                    if (result != expected && ++wrong <= 3)
                        ADD_FAILURE() << "rate " << rate << " kind " << static_cast<int>(k.kind)
                                      << " rounding " << rounding << " yen " << yen << ": "
                                      << static_cast<double>(result) << " not "
                                      << static_cast<double>(expected);
                }
                EXPECT_EQ(wrong, 0);
            }
        }
    }
}

struct TaxCase {
    TaxKind kind;
    int rate, rounding;
    long double x, expected;
};

TEST(TaxResult, RoundsNegativesAndFractionsByTheOffsets) {
    const TaxCase cases[] = {
        {TaxKind::Included, 10, kUp, 1, 2},          // 1.1 + 0.9 reaches 2 exactly
        {TaxKind::Included, 10, kDown, -1, -2},      // -1.1 - 0.9
        {TaxKind::Included, 8, kUp, -99, -106},      // -106.92 truncated
        {TaxKind::Included, 8, kHalfUp, -99, -107},  // -106.92 - 0.5
        {TaxKind::Contained, 10, kDown, 1100, 100},  // a receipt's 消費税
        {TaxKind::Contained, 8, kDown, 1080, 80},
        {TaxKind::Contained, 8, kHalfUp, 1000, 74},   // 74.07…
        {TaxKind::Included, 8, kHalfUp, 99.5L, 107},  // 107.46, by the fraction path
    };
    for (const TaxCase& c : cases)
        EXPECT_EQ(TaxResult(c.kind, c.rate, c.rounding, c.x), c.expected)
            << static_cast<double>(c.x);
}

}  // namespace
}  // namespace tavrik
