// Values of unit texts: seconds in time mode, days in date mode.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "values/calc_value.h"
#include "values/value_context.h"

namespace tavrik {

// A number as the splitter cuts it ('5', '-5', '1.25'); nothing for anything else.
std::optional<long double> UnitNumberOf(std::string_view text);
// The same, failing with a conversion failure when the text is no number.
long double ReadUnitNumber(std::string_view text);

// The number of a slot split with its unit kept ('5月' → 5).
long double ReadUnitSlot(std::string_view slot);

// The value of `text` split into `parts` (units not kept): a date value (or
// −1 when invalid) for a calendar text in date mode; else seconds in time
// mode, days in date mode, the bare number in other modes.
CalcValue ParseUnitText(const ValueContext& ctx, std::string_view text, const UnitParts& parts);

// A unit text and the unit level that admits the next smaller form of it.
struct UnitForm {
    std::string text;
    int level = kAnyUnitLevel;
};

// `text` re-expressed in the largest units `level` allows. Bare numbers and
// calendar dates come back unchanged, with `level` unchanged.
UnitForm FormatUnitValue(const ValueContext& ctx, std::string_view text, int level);

}  // namespace tavrik
