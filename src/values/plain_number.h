// The number on the display as a spreadsheet reads it: no grouping, "." as
// the point, no mode marker; hexadecimal as its decimal value, a time as
// h:mm:ss and a calendar date as yyyy/m/d.
#pragma once

#include <string>
#include <string_view>

#include "values/value_context.h"

namespace tavrik {

// A text that is not a number of the mode comes back without its markers.
std::string PlainNumberText(const ValueContext& ctx, std::string_view display);

}  // namespace tavrik
