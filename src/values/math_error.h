// Typed calculation failures and checked 80-bit arithmetic.
#pragma once

#include <stdexcept>
#include <string>

namespace tavrik {

// Failure kinds, each reported with its own message (see ErrorReporter).
enum class FailureKind {
    ZeroDivide,       // floating-point division by zero
    Overflow,         // floating-point overflow
    Underflow,        // floating-point underflow
    InvalidArgument,  // argument outside a function's domain
    InvalidOp,        // invalid floating-point operation
    MathError,        // any other math-library failure
    IntOverflow,      // integer overflow
    Convert,          // a text that is not a number of its form
    Other,            // anything else
};

// A failure raised while calculating. `what()` is the failure's own message,
// shown to the user, so it is Japanese: FailureText of its kind.
class CalcFailure : public std::runtime_error {
  public:
    CalcFailure(FailureKind kind, const std::string& message, int helpContext = 0)
        : std::runtime_error(message), kind_(kind), helpContext_(helpContext) {}

    FailureKind kind() const { return kind_; }
    int helpContext() const { return helpContext_; }
    // Arithmetic failures proper; conversion and other failures are not.
    bool isMath() const { return kind_ <= FailureKind::IntOverflow; }

  private:
    FailureKind kind_;
    int helpContext_;
};

// A failure that has already been reported to the user. Whoever catches it
// only abandons what it was doing, so that nothing is computed from a value
// that could not be had.
class ReportedFailure : public std::runtime_error {
  public:
    ReportedFailure() : std::runtime_error("failure already reported") {}
};

// The Japanese text of a failure kind, as users read it.
const char* FailureText(FailureKind kind);
// The message a failure is reported with: its kind's text, but a math error
// or another failure is reported with its own message.
std::string FailureText(const CalcFailure& failure);

[[noreturn]] void ThrowFailure(FailureKind kind);

// Runs `compute` with the floating-point status flags cleared, then raises the
// failure the flags show: division by zero, overflow or invalid operation.
// Underflow is masked, as on the x87 default: a result too small becomes 0.
class FloatGuard {
  public:
    FloatGuard();
    // Raises a CalcFailure when an unmasked flag is set.
    void check() const;
};

// Reads an operand through a volatile so that arithmetic on it cannot be moved
// ahead of the flag reset of a FloatGuard.
inline long double Fresh(long double value) {
    volatile long double copy = value;
    return copy;
}

// Computes `compute` (whose operands should come through Fresh) under a FloatGuard.
template <class Compute>
long double Checked(Compute&& compute) {
    FloatGuard guard;
    volatile long double result = compute();
    guard.check();
    return result;
}

// Conversions that fail like the processor's: a value beyond the 64-bit range
// (or not a number) is an invalid operation.
long long RoundToInt64(long double value);     // to nearest, ties to even
long long TruncateToInt64(long double value);  // toward zero

}  // namespace tavrik
