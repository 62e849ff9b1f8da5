// Conversion between the program's UTF-8 text and the Shift-JIS (Windows code
// page 932) bytes of its files. Only the file boundary converts.
#pragma once

#include <string>
#include <string_view>

namespace tavrik::cp932 {

// Bytes that are not valid code page 932 become U+FFFD; never fails.
std::string Decode(std::string_view bytes);

// Characters without a code page 932 form become "?"; invalid UTF-8 likewise.
std::string Encode(std::string_view utf8);

}  // namespace tavrik::cp932
