// Operators of time and date mode: the operands stay texts.
#pragma once

#include <string>
#include <string_view>

#include "values/value_context.h"

namespace tavrik {

// op is the operator's button code (19..24); the result is a display text.
std::string TimeOperation(ValueContext& ctx, int op, std::string_view first,
                          std::string_view second);
std::string DateOperation(ValueContext& ctx, int op, std::string_view first,
                          std::string_view second);

}  // namespace tavrik
