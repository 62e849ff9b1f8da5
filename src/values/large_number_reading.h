// The reading of a decimal number in the Japanese units of ten thousand:
// 123456789 reads "1億2345万6789". Shown beside the display, never in it, so
// the display text stays a plain number.
#pragma once

#include <string>
#include <string_view>

#include "values/value_context.h"

namespace tavrik {

// `number` is a display text: an optional "-", digits with optional ","
// grouping, an optional fraction after ".", and an optional exponent
// ("1.5E20"). Groups of four digits take the units 万, 億, 兆, 京 … 無量大数;
// zero groups are left out and the fraction follows the last group
// ("1万2345.5"). Empty when the text is no such number or is too large for
// the units.
std::string LargeNumberReading(std::string_view number);

// The reading shown under the display: the value's reading in decimal mode
// once it reaches 万, nothing otherwise.
std::string ReadingOf(std::string_view display, CalcMode mode);

}  // namespace tavrik
