// The tagged number produced by reading a value text.
#pragma once

#include <cstdint>

namespace tavrik {

enum class ValueKind : std::uint8_t { Small, Int32, Int64, Double, Currency, Date };

// A real (kind Double) is held in 80-bit extended, so that every decimal text
// the calculator writes reads back; currency is a signed 64-bit count of
// 1/10000; a date counts days since 1899-12-30 00:00 as a binary64.
class CalcValue {
  public:
    CalcValue() = default;

    static CalcValue small(std::uint8_t v) { return CalcValue(ValueKind::Small, v, 0); }
    static CalcValue int32(std::int32_t v) { return CalcValue(ValueKind::Int32, v, 0); }
    static CalcValue int64(std::int64_t v) { return CalcValue(ValueKind::Int64, v, 0); }
    static CalcValue real(long double v) { return CalcValue(ValueKind::Double, 0, v); }
    static CalcValue date(double days) { return CalcValue(ValueKind::Date, 0, days); }
    // Ticks of 1/10000.
    static CalcValue currencyTicks(std::int64_t ticks) {
        return CalcValue(ValueKind::Currency, ticks, 0);
    }
    // A value converted to currency: rounded to four decimals, ties to even;
    // a magnitude of 922337203685477.5808 or more fails with an overflow.
    static CalcValue currency(long double value);

    ValueKind kind() const { return kind_; }
    bool isInteger() const {
        return kind_ == ValueKind::Small || kind_ == ValueKind::Int32 || kind_ == ValueKind::Int64;
    }
    std::int64_t integer() const { return integer_; }
    std::int64_t ticks() const { return integer_; }
    long double real() const { return real_; }

    // The value as 80-bit extended.
    long double extended() const;

  private:
    CalcValue(ValueKind kind, std::int64_t i, long double d) : kind_(kind), integer_(i), real_(d) {}

    ValueKind kind_ = ValueKind::Small;
    std::int64_t integer_ = 0;
    long double real_ = 0;
};

// Arithmetic with kind promotion: integers stay integers (real division gives
// a real); with a real the result is a real; a date plus or minus a
// number is a date and a date minus a date is a double; a number added to,
// subtracted from or multiplied by a currency value is computed in currency;
// dividing by a currency value gives a real. Failures raise CalcFailure.
CalcValue Add(const CalcValue& a, const CalcValue& b);
CalcValue Subtract(const CalcValue& a, const CalcValue& b);
CalcValue Multiply(const CalcValue& a, const CalcValue& b);
CalcValue Divide(const CalcValue& a, const CalcValue& b);

// Integer of a value, rounded to nearest with ties to even; beyond the 64-bit
// range an invalid operation. Keeps the low 32 bits of the 64-bit integer.
std::int32_t ValueToInt(const CalcValue& value);
// As ValueToInt, but a value outside the 32-bit range fails with an overflow.
std::int32_t ValueToIntChecked(long double value);

}  // namespace tavrik
