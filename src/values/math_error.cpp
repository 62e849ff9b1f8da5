#include "values/math_error.h"

#include <cfenv>
#include <cmath>

namespace tavrik {

namespace {

const char* PlatformMessage(FailureKind kind) {
    switch (kind) {
        case FailureKind::ZeroDivide:
            return "Floating point division by zero";
        case FailureKind::Overflow:
            return "Floating point overflow";
        case FailureKind::Underflow:
            return "Floating point underflow";
        case FailureKind::InvalidArgument:
            return "Invalid argument";
        case FailureKind::InvalidOp:
            return "Invalid floating point operation";
        case FailureKind::MathError:
            return "Math error";
        case FailureKind::IntOverflow:
            return "Integer overflow";
        case FailureKind::Convert:
            return "Invalid number";
        case FailureKind::Other:
            break;
    }
    return "Error";
}

constexpr long double kTwo63 = 9223372036854775808.0L;

}  // namespace

void ThrowFailure(FailureKind kind) {
    throw CalcFailure(kind, PlatformMessage(kind));
}

FloatGuard::FloatGuard() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void FloatGuard::check() const {
    const int flags = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    if (flags & FE_INVALID) ThrowFailure(FailureKind::InvalidOp);
    if (flags & FE_DIVBYZERO) ThrowFailure(FailureKind::ZeroDivide);
    if (flags & FE_OVERFLOW) ThrowFailure(FailureKind::Overflow);
}

long long RoundToInt64(long double value) {
    const long double rounded = std::nearbyint(value);
    if (!(rounded >= -kTwo63 && rounded < kTwo63)) ThrowFailure(FailureKind::InvalidOp);
    return static_cast<long long>(rounded);
}

long long TruncateToInt64(long double value) {
    const long double truncated = std::trunc(value);
    if (!(truncated >= -kTwo63 && truncated < kTwo63)) ThrowFailure(FailureKind::InvalidOp);
    return static_cast<long long>(truncated);
}

}  // namespace tavrik
