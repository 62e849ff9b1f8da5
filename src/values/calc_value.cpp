#include "values/calc_value.h"

#include <cmath>
#include <limits>

#include "values/math_error.h"

namespace tavrik {

namespace {

constexpr long double kTicksPerUnit = 10000.0L;
constexpr long double kCurrencyLimit = 922337203685477.5808L;

// Integer results keep the wider of the two integer kinds.
CalcValue IntegerResult(const CalcValue& a, const CalcValue& b, std::int64_t r) {
    if (a.kind() == ValueKind::Int64 || b.kind() == ValueKind::Int64 || r < INT32_MIN ||
        r > INT32_MAX)
        return CalcValue::int64(r);
    return CalcValue::int32(static_cast<std::int32_t>(r));
}

CalcValue IntegerOp(const CalcValue& a, const CalcValue& b, char op) {
    std::int64_t r = 0;
    bool overflow = false;
    switch (op) {
        case '+':
            overflow = __builtin_add_overflow(a.integer(), b.integer(), &r);
            break;
        case '-':
            overflow = __builtin_sub_overflow(a.integer(), b.integer(), &r);
            break;
        default:
            overflow = __builtin_mul_overflow(a.integer(), b.integer(), &r);
            break;
    }
    if (overflow) ThrowFailure(FailureKind::IntOverflow);
    return IntegerResult(a, b, r);
}

CalcValue CurrencyOp(const CalcValue& a, const CalcValue& b, char op) {
    const CalcValue ca = a.kind() == ValueKind::Currency ? a : CalcValue::currency(a.extended());
    const CalcValue cb = b.kind() == ValueKind::Currency ? b : CalcValue::currency(b.extended());
    std::int64_t r = 0;
    bool overflow = false;
    switch (op) {
        case '+':
            overflow = __builtin_add_overflow(ca.ticks(), cb.ticks(), &r);
            break;
        case '-':
            overflow = __builtin_sub_overflow(ca.ticks(), cb.ticks(), &r);
            break;
        default: {
            const long double product =
                static_cast<long double>(ca.ticks()) * static_cast<long double>(cb.ticks());
            return CalcValue::currency(product / (kTicksPerUnit * kTicksPerUnit));
        }
    }
    if (overflow) ThrowFailure(FailureKind::Overflow);
    return CalcValue::currencyTicks(r);
}

// Dates are counted in binary64.
double DateResult(long double r) {
    const double narrowed = static_cast<double>(r);
    if (std::isinf(narrowed)) ThrowFailure(FailureKind::Overflow);
    return narrowed;
}

long double RealOp(long double x, long double y, char op) {
    return Checked([&] {
        switch (op) {
            case '+':
                return Fresh(x) + Fresh(y);
            case '-':
                return Fresh(x) - Fresh(y);
            case '*':
                return Fresh(x) * Fresh(y);
            default:
                return Fresh(x) / Fresh(y);
        }
    });
}

CalcValue Arith(const CalcValue& a, const CalcValue& b, char op) {
    const bool aDate = a.kind() == ValueKind::Date, bDate = b.kind() == ValueKind::Date;
    if (aDate || bDate) {
        const double r = DateResult(RealOp(a.extended(), b.extended(), op));
        if (op == '-' && aDate && bDate) return CalcValue::real(r);
        if (op == '+' || op == '-') return CalcValue::date(r);
        return CalcValue::real(r);
    }
    if (op != '/' && (a.kind() == ValueKind::Currency || b.kind() == ValueKind::Currency))
        return CurrencyOp(a, b, op);
    if (op != '/' && a.isInteger() && b.isInteger()) return IntegerOp(a, b, op);
    return CalcValue::real(RealOp(a.extended(), b.extended(), op));
}

}  // namespace

CalcValue CalcValue::currency(long double value) {
    if (!(std::fabs(value) < kCurrencyLimit)) ThrowFailure(FailureKind::Overflow);
    return currencyTicks(static_cast<std::int64_t>(std::nearbyint(value * kTicksPerUnit)));
}

long double CalcValue::extended() const {
    switch (kind_) {
        case ValueKind::Small:
        case ValueKind::Int32:
        case ValueKind::Int64:
            return static_cast<long double>(integer_);
        case ValueKind::Currency:
            return static_cast<long double>(integer_) / kTicksPerUnit;
        case ValueKind::Double:
        case ValueKind::Date:
            break;
    }
    return real_;
}

CalcValue Add(const CalcValue& a, const CalcValue& b) {
    return Arith(a, b, '+');
}
CalcValue Subtract(const CalcValue& a, const CalcValue& b) {
    return Arith(a, b, '-');
}
CalcValue Multiply(const CalcValue& a, const CalcValue& b) {
    return Arith(a, b, '*');
}
CalcValue Divide(const CalcValue& a, const CalcValue& b) {
    return Arith(a, b, '/');
}

std::int32_t ValueToInt(const CalcValue& value) {
    const long long n = value.isInteger() ? value.integer() : RoundToInt64(value.extended());
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n));
}

std::int32_t ValueToIntChecked(long double value) {
    const long long n = RoundToInt64(value);
    if (n < INT32_MIN || n > INT32_MAX) ThrowFailure(FailureKind::Overflow);
    return static_cast<std::int32_t>(n);
}

}  // namespace tavrik
