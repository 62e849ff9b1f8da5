// Whether a text is one a memory register can hold: the display text of one
// of the modes, for texts that come from outside the calculator (a kept file).
#pragma once

#include <string_view>

namespace tavrik {

// Read by the reader of its form, as recall would take it: a decimal number,
// "d "/"h " and a mixed-mode number, a time or a date text. Nothing is
// reported; "abc", "nan" and "inf" are no register texts.
bool IsRegisterText(std::string_view text);

}  // namespace tavrik
