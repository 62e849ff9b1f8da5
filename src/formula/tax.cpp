#include "formula/tax.h"

#include <cmath>

#include "values/math_error.h"

namespace tavrik {

namespace {

constexpr long double kExactLimit = 9007199254740992.0L;  // 2^53: every integer below is exact

enum TaxRounding { kNoRounding, kHalfUp, kDown, kUp };

struct Ratio {
    long long numerator, denominator;
};

Ratio TaxRatio(TaxKind kind, int rate) {
    switch (kind) {
        case TaxKind::Included:
            return {rate + 100, 100};
        case TaxKind::Excluded:
            return {100, rate + 100};
        default:
            return {rate, rate + 100};
    }
}

// floor((a·n + b·d) / (c·d)) for the offsets b/c = 0, 1/2 and 9/10.
__int128 FloorWithOffset(__int128 n, __int128 d, int b, int c) {
    return (c * n + b * d) / (c * d);
}

long double ExactRounded(const Ratio& ratio, int taxRound, long double x) {
    const bool negative = x < 0;
    const __int128 n =
        static_cast<__int128>(static_cast<long long>(std::fabs(x))) * ratio.numerator;
    const __int128 d = ratio.denominator;
    __int128 magnitude = 0;
    switch (taxRound) {
        case kHalfUp:
            magnitude = FloorWithOffset(n, d, 1, 2);
            break;
        case kDown:  // r - 0.9 below zero
            magnitude = negative ? FloorWithOffset(n, d, 9, 10) : FloorWithOffset(n, d, 0, 1);
            break;
        default:  // kUp: r + 0.9 above zero
            magnitude = negative ? FloorWithOffset(n, d, 0, 1) : FloorWithOffset(n, d, 9, 10);
            break;
    }
    const auto result = static_cast<long double>(static_cast<long long>(magnitude));
    return negative && magnitude != 0 ? -result : result;
}

long double FloatRounded(const Ratio& ratio, int taxRound, long double x) {
    const long double r = Checked([&] {
        return Fresh(x) * static_cast<long double>(ratio.numerator) /
               static_cast<long double>(ratio.denominator);
    });
    const auto whole = [](long double v) { return static_cast<long double>(TruncateToInt64(v)); };
    switch (taxRound) {
        case kHalfUp:
            return whole(r >= 0 ? r + 0.5L : r - 0.5L);
        case kDown:
            return whole(r >= 0 ? r : r - 0.9L);
        case kUp:
            return whole(r >= 0 ? r + 0.9L : r);
        default:
            return r;
    }
}

}  // namespace

long double TaxResult(TaxKind kind, int ratePercent, int taxRound, long double x) {
    const Ratio ratio = TaxRatio(kind, ratePercent);
    const bool exact = taxRound >= kHalfUp && taxRound <= kUp && x == std::trunc(x) &&
                       std::fabs(x) < kExactLimit && ratio.denominator > 0;
    return exact ? ExactRounded(ratio, taxRound, x) : FloatRounded(ratio, taxRound, x);
}

}  // namespace tavrik
