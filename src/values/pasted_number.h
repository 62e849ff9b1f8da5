// Reading a number pasted from the clipboard: the text a web page, a
// spreadsheet or another program gives, turned into the display text of the
// current mode, or refused with the reason. The whole text must be one
// number; nothing is ever taken in part.
#pragma once

#include <string>
#include <string_view>

#include "values/value_context.h"

namespace tavrik {

// Longer clipboard texts are refused before they are looked at.
inline constexpr std::size_t kMaxPastedBytes = 256;

struct PastedNumber {
    std::string text;     // the display text (digit grouping applied); empty when refused
    std::string refusal;  // why the text was refused, for the message line; empty when read
    bool accepted() const { return refusal.empty(); }
};

// The text with full-width forms, blanks and minus signs folded to their
// plain ASCII forms, as a pasted number is read.
std::string FoldedNumberText(std::string_view text);

// Accepts in every mode surrounding blanks and line ends, full-width forms and
// a leading sign (superscript, subscript and circled digits are refused); by
// mode:
//   decimal  grouping commas, a decimal point, an exponent, 兆/億/万 units,
//            a leading ¥ or a trailing 円; a number too long to write out
//            comes in the display's exponent form;
//   mixed    "h 1F", "h1F", "0x1F" (hexadecimal), "d 12", "d12" (decimal), a
//            bare number in the radix in force;
//   time     "1:30", "1:30:00.5", unit texts such as 1時30分, a bare number;
//   date     2024/5/3, 2024-05-03, 2024.5.3 and 2024年5月3日 (calendar dates,
//            always with a four-digit year), durations such as 2年3月, a bare
//            number.
// The result must also fit the display: in decimal mode as a result would,
// so that a number the display shows comes back whole; else as typing would.
PastedNumber ReadPastedNumber(const ValueContext& ctx, std::string_view clipboard);

}  // namespace tavrik
