// Decimal and mixed-mode value texts: reading, writing with display rounding
// and grouping, and the small text operations of the keypad.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "values/calc_value.h"
#include "values/value_context.h"

namespace tavrik {

// D/H text to value; an empty text is 0. A failure is reported here and then
// raised as ReportedFailure, so that no caller goes on from a made-up 0: a
// text that is not a number of its form with the reader's own report ("ERROR:
// Convert"); a number beyond the extended range, or wider than the mode's
// word, as an overflow.
CalcValue ParseValueText(ValueContext& ctx, std::string_view text);

// Value to D/H display text with display rounding and grouping. Produces
// nothing in time and date modes. Rounding beyond its range raises CalcFailure.
std::optional<std::string> FormatValue(ValueContext& ctx, long double value);
inline std::optional<std::string> FormatValue(ValueContext& ctx, const CalcValue& value) {
    return FormatValue(ctx, value.extended());
}

// x rounded to `precision` significant digits, positional while its decimal
// exponent e (x = 0.d1d2… × 10^e) satisfies -3 <= e <= precision, else in
// exponent form ('1.5E20', '1E-5').
std::string GeneralForm(long double x, int precision = 15);

// x written positionally from its digits rounded to 16 significant digits.
std::string PositionalForm(long double x);

std::string GroupDigits(ValueContext& ctx, std::string_view text);
std::string NegateValueText(const ValueContext& ctx, std::string_view text);
bool IsZeroText(ValueContext& ctx, std::string_view text);
std::string EntryPrefixOf(const ValueContext& ctx, std::string_view text, bool allowDate);
std::string ZeroText(ValueContext& ctx);
// A stored text adapted to the current mode; empty (after a report) when it does not fit.
std::string FitTextToMode(ValueContext& ctx, std::string_view text);
std::string TrimTrailingZeros(std::string_view text);

}  // namespace tavrik
