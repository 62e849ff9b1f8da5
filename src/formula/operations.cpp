#include "formula/operations.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "values/calc_value.h"
#include "values/math_error.h"
#include "values/number_text.h"

namespace tavrik {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kTwo63 = 9223372036854775808.0L;

long double Reciprocal(long double v) {
    return Checked([&] { return 1.0L / Fresh(v); });
}

// Sine and cosine give 0 beyond the processor's argument reduction.
long double Sine(long double v) {
    return std::fabs(v) >= kTwo63 ? 0.0L : std::sin(v);
}
long double Cosine(long double v) {
    return std::fabs(v) >= kTwo63 ? 0.0L : std::cos(v);
}

long double HyperbolicCosine(long double v, long double k) {
    const long double half = Checked([&] { return std::exp(Fresh(v)) / 2.0L; });
    return Checked([&] { return Fresh(half) + Fresh(k) / Fresh(half); });
}

long double HyperbolicTangent(long double v) {
    if (v > 5678.22249441322L) return 1.0L;
    if (v < -5678.22249441322L) return -1.0L;
    const long double e = Checked([&] { return std::exp(2.0L * Fresh(v)); });
    return Checked([&] { return (Fresh(e) - 1.0L) / (Fresh(e) + 1.0L); });
}

long double InverseHyperbolicCosine(long double v) {
    if (v <= 1.0L) return 0.0L;
    if (v > 1e10L) return std::numbers::ln2_v<long double> + std::log(v);
    return std::log(v + std::sqrt((v - 1.0L) * (v + 1.0L)));
}

long double InverseHyperbolicSine(long double v) {
    const long double a = std::fabs(v);
    const long double r = a > 1e10L ? std::numbers::ln2_v<long double> + std::log(a)
                                    : std::log(a + std::sqrt(a * a + 1.0L));
    return v < 0 ? -r : r;
}

bool IsWhole(long double v) {
    return std::trunc(v) == v;
}

void RequireNonNegativeWhole(long double v) {
    if (!IsWhole(v) || v < 0) ThrowFailure(FailureKind::InvalidArgument);
}

long double Factorial(long double x) {
    if (x == 0) return 1.0L;
    if (!IsWhole(x)) return x;
    if (x < 0) ThrowFailure(FailureKind::InvalidArgument);
    long double r = x;
    while (x > 1) {
        x -= 1;
        r = Checked([&] { return Fresh(r) * Fresh(x); });
    }
    return r;
}

// A product of this many factors, each at least 2, exceeds the largest
// extended value (2^16384), so no loop needs more factors than this.
constexpr long double kOverflowingFactors = std::numeric_limits<long double>::max_exponent;

// n! / (n - k)!: the k factors n, n - 1, ... Every factor but the last is at
// least 2, so a k beyond the bound overflows without multiplying.
long double Permutations(long double n, long double k) {
    RequireNonNegativeWhole(n);
    RequireNonNegativeWhole(k);
    if (k > n) return 0.0L;
    if (k == 0) return 1.0L;
    if (k > kOverflowingFactors) ThrowFailure(FailureKind::Overflow);
    const auto factors = static_cast<int>(k);
    long double r = n;
    for (int i = 1; i < factors; ++i) r = Checked([&] { return Fresh(r) * Fresh(n - i); });
    return r;
}

// n! / (k! (n - k)!) through the smaller of k and n - k. After step i the
// product is C(n - k + i, i), a whole number, so results within 64 bits stay
// exact; each step multiplies by at least 2, hence the same bound as above.
long double Combinations(long double n, long double k) {
    RequireNonNegativeWhole(n);
    RequireNonNegativeWhole(k);
    if (k > n) return 0.0L;
    const long double smaller = std::min(k, n - k);
    if (smaller >= kOverflowingFactors) ThrowFailure(FailureKind::Overflow);
    const long double rest = n - smaller;
    const auto steps = static_cast<int>(smaller);
    long double r = 1.0L;
    for (int i = 1; i <= steps; ++i)
        r = Checked([&] { return Fresh(r) * Fresh(rest + i) / Fresh(i); });
    return r;
}

// Smallest whole number >= x (or largest <= x), as a 32-bit integer.
long double CeilingOrFloor(long double x, bool ceiling) {
    long long n = TruncateToInt64(x);
    const long double fraction = x - static_cast<long double>(n);
    if (ceiling && fraction > 0) ++n;
    if (!ceiling && fraction < 0) --n;
    return static_cast<long double>(ValueToIntChecked(static_cast<long double>(n)));
}

// A whole number from 0 to range - 1. The range is 64-bit: the span between
// two 32-bit bounds can reach 2^32 - 1.
long double UniformBelow(std::mt19937& random, std::int64_t range) {
    if (range <= 0) return 0.0L;
    return static_cast<long double>(
        std::uniform_int_distribution<std::int64_t>(0, range - 1)(random));
}

long double Uniform(std::mt19937& random) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random);
}

// Normal distribution by the polar method.
long double Gaussian(std::mt19937& random, long double mean, long double deviation) {
    long double u1, u2, s;
    do {
        u1 = 2.0L * Uniform(random) - 1.0L;
        u2 = 2.0L * Uniform(random) - 1.0L;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1.0L || s == 0.0L);
    return Checked(
        [&] { return Fresh(mean) + Fresh(deviation) * u1 * std::sqrt(-2.0L * std::log(s) / s); });
}

long double Tax(const OperationContext& ctx, int code, long double x) {
    const long double t = ctx.tax;
    const long double r = Checked([&] {
        return code == 33 ? Fresh(x) * (t + 100.0L) / 100.0L : Fresh(x) * 100.0L / (t + 100.0L);
    });
    const auto whole = [](long double v) { return static_cast<long double>(TruncateToInt64(v)); };
    switch (ctx.taxRound) {
        case 1:
            return whole(r >= 0 ? r + 0.5L : r - 0.5L);
        case 2:
            return whole(r >= 0 ? r : r - 0.9L);
        case 3:
            return whole(r >= 0 ? r + 0.9L : r);
        default:
            return r;
    }
}

}  // namespace

int FunctionArity(int code, const std::array<std::string, 6>& userFormulas) {
    switch (code) {
        case 128:
        case 129:
        case 133:
        case 138:
        case 139:
        case 144:
        case 145:
        case 161:
        case 178:
            return 2;
        default:
            break;
    }
    if (code >= 109 && code <= 114) {
        const std::string& formula = userFormulas[static_cast<std::size_t>(code - 109)];
        return formula.find_first_of("Yy") != std::string::npos ? 2 : 1;
    }
    return 1;
}

long double ComputeOperation(OperationContext& ctx, int code, long double x, long double y) {
    const auto f = [](auto compute) { return Checked(compute); };
    switch (code) {
        case 19:
            return f([&] { return Fresh(x) + Fresh(y); });
        case 20:
            return f([&] { return Fresh(x) - Fresh(y); });
        case 21:
            return f([&] { return Fresh(x) * Fresh(y); });
        case 22:
            return f([&] { return Fresh(x) / Fresh(y); });
        case 24:
            return f([&] { return Fresh(x) * 0.01L; });
        case 33:
        case 34:
            return Tax(ctx, code, x);
        case 101:
            return f([&] { return std::sqrt(Fresh(x)); });
        case 102:
            return f([&] { return Fresh(x) * Fresh(x); });
        case 103:
            return Reciprocal(x);
        case 104:
            return Sine(x);
        case 105:
            return Cosine(x);
        case 106:
            return f([&] { return std::tan(Fresh(x)); });
        case 107:
            return kPi;
        case 109:
        case 110:
        case 111:
        case 112:
        case 113:
        case 114: {
            const std::string& formula = ctx.userFormulas[static_cast<std::size_t>(code - 109)];
            if (formula.empty() || !ctx.evaluateUserFunction) return x;
            return ctx.evaluateUserFunction(formula, x, y);
        }
        case 121:
            return std::trunc(x);
        case 122:
            return static_cast<long double>(TruncateToInt64(x));
        case 123:
            return CeilingOrFloor(x, true);
        case 124:
            return CeilingOrFloor(x, false);
        case 125:
            return x - std::trunc(x);
        case 126:
            return static_cast<long double>(RoundToInt64(x));
        case 127:
            return Factorial(x);
        case 128:
            return Permutations(x, y);
        case 129:
            return Combinations(x, y);
        case 131:
            return f([&] { return std::exp(Fresh(x)); });
        case 133: {
            const int exponent = ValueToIntChecked(y);
            return f([&] { return std::ldexp(Fresh(x), exponent); });
        }
        case 134:
            return f([&] { return std::log(Fresh(x)); });
        case 135:
            return f([&] { return std::log1p(Fresh(x)); });
        case 136:
            return f([&] { return std::log2(Fresh(x)); });
        case 137:
            return f([&] { return std::log10(Fresh(x)); });
        case 138:
            return f([&] { return std::log(Fresh(y)) / std::log(Fresh(x)); });
        case 139:
            if (y == 0) return 1.0L;
            return f([&] { return std::pow(Fresh(x), Fresh(y)); });
        case 141:
            ctx.random.seed(static_cast<std::uint32_t>(ValueToIntChecked(x)));
            return x;
        case 142:
            return Uniform(ctx.random);
        case 143:
            return UniformBelow(ctx.random, ValueToIntChecked(x));
        case 144: {
            const std::int64_t a = ValueToIntChecked(x), b = ValueToIntChecked(y);
            const std::int64_t low = std::min(a, b), high = std::max(a, b);
            return static_cast<long double>(low) + UniformBelow(ctx.random, high - low);
        }
        case 145:
            return Gaussian(ctx.random, x, y);
        case 151:
            return f([&] { return std::acos(Fresh(x)); });
        case 152:
            return f([&] { return InverseHyperbolicCosine(Fresh(x)); });
        case 153:
            return f([&] { return std::tan(Reciprocal(x)); });
        case 154:
            return Reciprocal(f([&] { return std::tan(Reciprocal(x)); }));
        case 155:
            return Sine(Reciprocal(x));
        case 156:
            return Reciprocal(Sine(Reciprocal(x)));
        case 157:
            return Cosine(Reciprocal(x));
        case 158:
            return Reciprocal(Cosine(Reciprocal(x)));
        case 159:
            return f([&] { return std::asin(Fresh(x)); });
        case 160:
            return f([&] { return InverseHyperbolicSine(Fresh(x)); });
        case 161:
            return f([&] { return std::atan2(Fresh(x), Fresh(y)); });
        case 162:
        case 167:
            return Reciprocal(Sine(x));
        case 163:
            return HyperbolicCosine(x, 0.25L);
        case 164:
        case 165:
            return Reciprocal(f([&] { return std::tan(Fresh(x)); }));
        case 166:
            return Reciprocal(HyperbolicTangent(x));
        case 168:
            return Reciprocal(HyperbolicCosine(x, -0.25L));
        case 169:
            return f([&] { return Fresh(x) * 360.0L; });
        case 170:
            return f([&] { return Fresh(x) * 400.0L; });
        case 171:
            return f([&] { return Fresh(x) * 2.0L * kPi; });
        case 172:
            return f([&] { return Fresh(x) / 360.0L; });
        case 173:
            return f([&] { return Fresh(x) * kPi / 180.0L * 200.0L / kPi; });
        case 174:
            return f([&] { return Fresh(x) * kPi / 180.0L; });
        case 175:
            return f([&] { return Fresh(x) / 400.0L; });
        case 176:
            return f([&] { return Fresh(x) * kPi / 200.0L * 180.0L / kPi; });
        case 177:
            return f([&] { return Fresh(x) * kPi / 200.0L; });
        case 178:
            return f([&] { return std::hypot(Fresh(x), Fresh(y)); });
        case 179:
            return f([&] { return Fresh(x) / (2.0L * kPi); });
        case 180:
            return f([&] { return Fresh(x) * 180.0L / kPi; });
        case 181:
            return f([&] { return Fresh(x) * 200.0L / kPi; });
        case 182:
        case 183:
            return Reciprocal(Cosine(x));
        case 184:
            return Reciprocal(HyperbolicCosine(x, 0.25L));
        case 185:
            return HyperbolicCosine(x, -0.25L);
        case 186:
            return HyperbolicTangent(x);
        case 187:
            return f([&] { return Fresh(x) * 1e4L; });
        case 188:
            return f([&] { return Fresh(x) * 1e8L; });
        case 189:
            return f([&] { return Fresh(x) * 1e12L; });
        case 190:
            return f([&] { return Fresh(x) * 1e16L; });
        default:
            return x;
    }
}

long double ApplyOperator(OperationContext& ctx, int code, long double x, long double y) {
    long double result;
    try {
        result = ComputeOperation(ctx, code, x, y);
        if (ctx.mode == CalcMode::Mixed) result = static_cast<long double>(TruncateToInt64(result));
    } catch (const CalcFailure& failure) {
        ctx.errors.ReportMathException(failure);
        return x;
    } catch (const std::exception& error) {
        ctx.errors.ReportMathException(CalcFailure(FailureKind::Other, error.what()));
        return x;
    }
    ctx.status.DspMsg(GeneralForm(result, 15), kMessageInfo);
    ctx.errors.resetErrorCount();
    return result;
}

}  // namespace tavrik
