#include "values/math_error.h"

#include <cfenv>
#include <cmath>

namespace tavrik {

namespace {

constexpr long double kTwo63 = 9223372036854775808.0L;

}  // namespace

const char* FailureText(FailureKind kind) {
    switch (kind) {
        case FailureKind::ZeroDivide:
            return "０除算エラー";
        case FailureKind::Overflow:
        case FailureKind::IntOverflow:
            return "オーバーフロー";
        case FailureKind::Underflow:
            return "アンダーフロー";
        case FailureKind::InvalidArgument:
            return "範囲外パラメータ";
        case FailureKind::InvalidOp:
            return "無効演算";
        case FailureKind::MathError:
            return "計算エラー";
        case FailureKind::Convert:
            return "変換エラー";
        case FailureKind::Other:
            break;
    }
    return "エラー";
}

std::string FailureText(const CalcFailure& failure) {
    const FailureKind kind = failure.kind();
    if (kind == FailureKind::MathError || kind == FailureKind::Other) return failure.what();
    return FailureText(kind);
}

void ThrowFailure(FailureKind kind) {
    throw CalcFailure(kind, FailureText(kind));
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
