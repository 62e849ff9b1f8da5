// One pasted text and what the display shows after it, or why it is refused.
#pragma once

#include <string>

#include "values/value_context.h"

namespace tavrik::testing {

struct PasteCase {
    CalcMode mode;
    std::string clipboard;
    std::string display;  // empty: refused with `refusal`
    std::string refusal;
};

}  // namespace tavrik::testing
