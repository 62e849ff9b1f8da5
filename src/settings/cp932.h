// Conversion between the program's UTF-8 text and the Shift-JIS (Windows code
// page 932) bytes of its files. Only the file boundary converts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrik::cp932 {

// Bytes that are not valid code page 932 become U+FFFD. Nothing when the
// conversion itself fails (no converter): that is not an empty file.
std::optional<std::string> Decode(std::string_view bytes);

// The two ways Decode takes, each on its own so that they can be checked
// against each other: the converter, and the table of every one- and two-byte
// character that large inputs use. The table gives nothing for input holding
// a sequence that is not one of its characters.
std::optional<std::string> DecodeByConverter(std::string_view bytes);
std::optional<std::string> DecodeByTable(std::string_view bytes);

// Characters without a code page 932 form become "?"; invalid UTF-8 likewise.
// Empty for non-empty text only when the conversion itself fails.
std::string Encode(std::string_view utf8);

}  // namespace tavrik::cp932
