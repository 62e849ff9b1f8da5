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

// The value of `text`, which SplitUnitText (units not kept) has just split:
// a date value (or −1 when invalid) for a calendar text in date mode; else
// seconds in time mode, days in date mode, the bare number in other modes.
CalcValue ParseUnitText(ValueContext& ctx, std::string_view text);

// `text` re-expressed in the largest units ctx.unitLevel allows, which then
// admits the next smaller form; with reset the level starts again at 9.
// Bare numbers and calendar dates come back unchanged.
std::string FormatUnitValue(ValueContext& ctx, std::string_view text, bool reset);

}  // namespace tavrik
