#include "formula/operations.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

#include "formula/tax.h"
#include "settings/key_codes.h"
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
    switch (code) {
        case kTaxIn:
            return TaxResult(TaxKind::Included, ctx.tax, ctx.taxRound, x);
        case kTaxOut:
            return TaxResult(TaxKind::Excluded, ctx.tax, ctx.taxRound, x);
        case kReducedTaxIn:
            return TaxResult(TaxKind::Included, ctx.reducedTax, ctx.taxRound, x);
        case kReducedTaxOut:
            return TaxResult(TaxKind::Excluded, ctx.reducedTax, ctx.taxRound, x);
        default:  // the tax contained, at the rate of the last tax key
            return TaxResult(TaxKind::Contained, ctx.reducedRateLast ? ctx.reducedTax : ctx.tax,
                             ctx.taxRound, x);
    }
}

// Each operation computes from the context, its own code, x and y.
using Ctx = OperationContext;

template <class Compute>
long double F(Compute compute) {
    return Checked(compute);
}

// Each logarithm is a step of its own, so that the first failure is the one
// reported: ln 0 is a division by zero, whichever operand is 0.
long double LogarithmToBase(long double base, long double y) {
    const long double lnY = F([&] { return std::log(Fresh(y)); });
    const long double lnBase = F([&] { return std::log(Fresh(base)); });
    return F([&] { return Fresh(lnY) / Fresh(lnBase); });
}

long double UserFunction(Ctx& ctx, int code, long double x, long double y) {
    const std::string& formula =
        ctx.userFormulas[static_cast<std::size_t>(code - kFirstUserFunction)];
    if (formula.empty() || !ctx.evaluateUserFunction) return x;
    return ctx.evaluateUserFunction(formula, x, y);
}

long double RandomBetween(Ctx& ctx, long double x, long double y) {
    const std::int64_t a = ValueToIntChecked(x), b = ValueToIntChecked(y);
    const std::int64_t low = std::min(a, b), high = std::max(a, b);
    return static_cast<long double>(low) + UniformBelow(ctx.random, high - low);
}

long double Seed(Ctx& ctx, long double x) {
    ctx.random.seed(static_cast<std::uint32_t>(ValueToIntChecked(x)));
    return x;
}

long double Power(long double x, long double y) {
    if (y == 0) return 1.0L;
    return F([&] { return std::pow(Fresh(x), Fresh(y)); });
}

long double TimesPowerOfTwo(long double x, long double y) {
    const int exponent = ValueToIntChecked(y);
    return F([&] { return std::ldexp(Fresh(x), exponent); });
}

long double Scaled(long double x, long double factor) {
    return F([&] { return Fresh(x) * factor; });
}

// An operation of one operand that needs nothing but x.
#define UNARY(expression) [](Ctx&, int, long double x, long double) { return (expression); }
// An operation of two operands that needs nothing but x and y.
#define BINARY(expression) [](Ctx&, int, long double x, long double y) { return (expression); }

constexpr Operation kOperations[] = {
    {kAdd, "add", 2, BINARY(F([&] { return Fresh(x) + Fresh(y); }))},
    {kSubtract, "subtract", 2, BINARY(F([&] { return Fresh(x) - Fresh(y); }))},
    {kMultiply, "multiply", 2, BINARY(F([&] { return Fresh(x) * Fresh(y); }))},
    {kDivide, "divide", 2, BINARY(F([&] { return Fresh(x) / Fresh(y); }))},
    {kPercent, "percent", 1, UNARY(Scaled(x, 0.01L))},
    {kTaxIn, "tax_in", 1,
     [](Ctx& ctx, int code, long double x, long double) { return Tax(ctx, code, x); }},
    {kTaxOut, "tax_out", 1,
     [](Ctx& ctx, int code, long double x, long double) { return Tax(ctx, code, x); }},
    {kReducedTaxIn, "reduced_tax_in", 1,
     [](Ctx& ctx, int code, long double x, long double) { return Tax(ctx, code, x); }},
    {kReducedTaxOut, "reduced_tax_out", 1,
     [](Ctx& ctx, int code, long double x, long double) { return Tax(ctx, code, x); }},
    {kTaxAmount, "tax_amount", 1,
     [](Ctx& ctx, int code, long double x, long double) { return Tax(ctx, code, x); }},
    {101, "sqrt", 1, UNARY(F([&] { return std::sqrt(Fresh(x)); }))},
    {102, "square", 1, UNARY(F([&] { return Fresh(x) * Fresh(x); }))},
    {103, "reciprocal", 1, UNARY(Reciprocal(x))},
    {104, "sin", 1, UNARY(Sine(x))},
    {105, "cos", 1, UNARY(Cosine(x))},
    {106, "tan", 1, UNARY(F([&] { return std::tan(Fresh(x)); }))},
    {107, "pi", 1, [](Ctx&, int, long double, long double) { return kPi; }},
    {109, "user1", kArityOfFormula, UserFunction},
    {110, "user2", kArityOfFormula, UserFunction},
    {111, "user3", kArityOfFormula, UserFunction},
    {112, "user4", kArityOfFormula, UserFunction},
    {113, "user5", kArityOfFormula, UserFunction},
    {114, "user6", kArityOfFormula, UserFunction},
    {121, "trunc", 1, UNARY(std::trunc(x))},
    {122, "trunc_int64", 1, UNARY(static_cast<long double>(TruncateToInt64(x)))},
    {123, "ceiling", 1, UNARY(CeilingOrFloor(x, true))},
    {124, "floor", 1, UNARY(CeilingOrFloor(x, false))},
    {125, "fraction", 1, UNARY(x - std::trunc(x))},
    {126, "round", 1, UNARY(static_cast<long double>(RoundToInt64(x)))},
    {127, "factorial", 1, UNARY(Factorial(x))},
    {128, "permutations", 2, BINARY(Permutations(x, y))},
    {129, "combinations", 2, BINARY(Combinations(x, y))},
    {131, "exp", 1, UNARY(F([&] { return std::exp(Fresh(x)); }))},
    {133, "times_power_of_two", 2, BINARY(TimesPowerOfTwo(x, y))},
    {134, "ln", 1, UNARY(F([&] { return std::log(Fresh(x)); }))},
    {135, "ln_1p", 1, UNARY(F([&] { return std::log1p(Fresh(x)); }))},
    {136, "log2", 1, UNARY(F([&] { return std::log2(Fresh(x)); }))},
    {137, "log10", 1, UNARY(F([&] { return std::log10(Fresh(x)); }))},
    {138, "log_base", 2, BINARY(LogarithmToBase(x, y))},
    {139, "power", 2, BINARY(Power(x, y))},
    {141, "seed", 1, [](Ctx& ctx, int, long double x, long double) { return Seed(ctx, x); }},
    {142, "random", 1, [](Ctx& ctx, int, long double, long double) { return Uniform(ctx.random); }},
    {143, "random_below", 1,
     [](Ctx& ctx, int, long double x, long double) {
         return UniformBelow(ctx.random, ValueToIntChecked(x));
     }},
    {144, "random_between", 2,
     [](Ctx& ctx, int, long double x, long double y) { return RandomBetween(ctx, x, y); }},
    {145, "gaussian", 2,
     [](Ctx& ctx, int, long double x, long double y) { return Gaussian(ctx.random, x, y); }},
    {151, "acos", 1, UNARY(F([&] { return std::acos(Fresh(x)); }))},
    {152, "acosh", 1, UNARY(F([&] { return InverseHyperbolicCosine(Fresh(x)); }))},
    {153, "tan_of_reciprocal", 1, UNARY(F([&] { return std::tan(Reciprocal(x)); }))},
    {154, "cot_of_reciprocal", 1, UNARY(Reciprocal(F([&] { return std::tan(Reciprocal(x)); })))},
    {155, "sin_of_reciprocal", 1, UNARY(Sine(Reciprocal(x)))},
    {156, "csc_of_reciprocal", 1, UNARY(Reciprocal(Sine(Reciprocal(x))))},
    {157, "cos_of_reciprocal", 1, UNARY(Cosine(Reciprocal(x)))},
    {158, "sec_of_reciprocal", 1, UNARY(Reciprocal(Cosine(Reciprocal(x))))},
    {159, "asin", 1, UNARY(F([&] { return std::asin(Fresh(x)); }))},
    {160, "asinh", 1, UNARY(F([&] { return InverseHyperbolicSine(Fresh(x)); }))},
    {161, "atan2", 2, BINARY(F([&] { return std::atan2(Fresh(x), Fresh(y)); }))},
    {162, "csc", 1, UNARY(Reciprocal(Sine(x)))},
    {163, "cosh", 1, UNARY(HyperbolicCosine(x, 0.25L))},
    {164, "cot", 1, UNARY(Reciprocal(F([&] { return std::tan(Fresh(x)); })))},
    {165, "cot", 1, UNARY(Reciprocal(F([&] { return std::tan(Fresh(x)); })))},
    {166, "coth", 1, UNARY(Reciprocal(HyperbolicTangent(x)))},
    {167, "csc", 1, UNARY(Reciprocal(Sine(x)))},
    {168, "csch", 1, UNARY(Reciprocal(HyperbolicCosine(x, -0.25L)))},
    {169, "turns_to_degrees", 1, UNARY(Scaled(x, 360.0L))},
    {170, "turns_to_grads", 1, UNARY(Scaled(x, 400.0L))},
    {171, "turns_to_radians", 1, UNARY(F([&] { return Fresh(x) * 2.0L * kPi; }))},
    {172, "degrees_to_turns", 1, UNARY(F([&] { return Fresh(x) / 360.0L; }))},
    {173, "degrees_to_grads", 1, UNARY(F([&] { return Fresh(x) * kPi / 180.0L * 200.0L / kPi; }))},
    {174, "degrees_to_radians", 1, UNARY(F([&] { return Fresh(x) * kPi / 180.0L; }))},
    {175, "grads_to_turns", 1, UNARY(F([&] { return Fresh(x) / 400.0L; }))},
    {176, "grads_to_degrees", 1, UNARY(F([&] { return Fresh(x) * kPi / 200.0L * 180.0L / kPi; }))},
    {177, "grads_to_radians", 1, UNARY(F([&] { return Fresh(x) * kPi / 200.0L; }))},
    {178, "hypot", 2, BINARY(F([&] { return std::hypot(Fresh(x), Fresh(y)); }))},
    {179, "radians_to_turns", 1, UNARY(F([&] { return Fresh(x) / (2.0L * kPi); }))},
    {180, "radians_to_degrees", 1, UNARY(F([&] { return Fresh(x) * 180.0L / kPi; }))},
    {181, "radians_to_grads", 1, UNARY(F([&] { return Fresh(x) * 200.0L / kPi; }))},
    {182, "sec", 1, UNARY(Reciprocal(Cosine(x)))},
    {183, "sec", 1, UNARY(Reciprocal(Cosine(x)))},
    {184, "sech", 1, UNARY(Reciprocal(HyperbolicCosine(x, 0.25L)))},
    {185, "sinh", 1, UNARY(HyperbolicCosine(x, -0.25L))},
    {186, "tanh", 1, UNARY(HyperbolicTangent(x))},
    {187, "times_1e4", 1, UNARY(Scaled(x, 1e4L))},
    {188, "times_1e8", 1, UNARY(Scaled(x, 1e8L))},
    {189, "times_1e12", 1, UNARY(Scaled(x, 1e12L))},
    {190, "times_1e16", 1, UNARY(Scaled(x, 1e16L))},
};

#undef UNARY
#undef BINARY

// Looked up by binary search on the code.
static_assert(std::ranges::is_sorted(kOperations, std::less<>{}, &Operation::code));
static_assert(std::ranges::adjacent_find(kOperations, std::equal_to<>{}, &Operation::code) ==
              std::ranges::end(kOperations));

}  // namespace

std::span<const Operation> Operations() {
    return kOperations;
}

const Operation* FindOperation(int code) {
    const auto found = std::ranges::lower_bound(kOperations, code, std::less<>{}, &Operation::code);
    return found != std::ranges::end(kOperations) && found->code == code ? found : nullptr;
}

int FunctionArity(int code, const std::array<std::string, kUserFunctions>& userFormulas) {
    const Operation* operation = FindOperation(code);
    if (!operation) return 1;
    if (operation->arity != kArityOfFormula) return operation->arity;
    const std::string& formula = userFormulas[static_cast<std::size_t>(code - kFirstUserFunction)];
    return formula.find_first_of("Yy") != std::string::npos ? 2 : 1;
}

long double ComputeOperation(OperationContext& ctx, int code, long double x, long double y) {
    const Operation* operation = FindOperation(code);
    return operation ? operation->compute(ctx, code, x, y) : x;
}

long double ApplyOperator(OperationContext& ctx, int code, long double x, long double y) {
    long double result;
    try {
        result = ComputeOperation(ctx, code, x, y);
        if (ctx.mode == CalcMode::Mixed) result = static_cast<long double>(TruncateToInt64(result));
    } catch (const CalcFailure& failure) {
        ctx.errors.ReportMathException(failure);
        return x;
    } catch (const std::exception&) {
        // The library's own (English) text is no message for the user.
        ctx.errors.ReportMathException(
            CalcFailure(FailureKind::MathError, FailureText(FailureKind::MathError)));
        return x;
    }
    ctx.status.DspMsg(GeneralForm(result, 15), kMessageInfo);
    ctx.errors.resetErrorCount();
    return result;
}

}  // namespace tavrik
