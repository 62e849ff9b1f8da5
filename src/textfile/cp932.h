// Conversion between the program's UTF-8 text and the Shift-JIS (Windows code
// page 932) bytes of its files. Only the file boundary converts.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct UConverter;

namespace tavrik::cp932 {

// Bytes that are not valid code page 932 become U+FFFD. Nothing when the
// conversion itself fails (no converter): that is not an empty file.
std::optional<std::string> Decode(std::string_view bytes);

// The two ways Decode takes, each on its own so that they can be checked
// against each other: the table of every one- and two-byte character, and the
// converter for input the table cannot take. The table gives nothing for
// input holding a sequence that is not one of its characters.
std::optional<std::string> DecodeByConverter(std::string_view bytes);
std::optional<std::string> DecodeByTable(std::string_view bytes);

// Characters without a code page 932 form become "?"; invalid UTF-8 likewise.
// Empty for non-empty text only when the conversion itself fails.
std::string Encode(std::string_view utf8);

// Encode for many texts in turn: the converters are opened once and kept,
// which makes encoding a short line several times cheaper.
class Encoder {
  public:
    // Appends the encoded text to `out`, as Encode gives it; false (with
    // `out` unchanged) when the converters cannot be opened or fail.
    bool append(std::string_view utf8, std::string& out);

  private:
    bool open();

    struct Closer {
        void operator()(UConverter* converter) const;
    };
    std::unique_ptr<UConverter, Closer> sjis_;
    std::unique_ptr<UConverter, Closer> utf8_;
    bool opened_ = false;
};

}  // namespace tavrik::cp932
