// A Shift-JIS text file read as UTF-8, remembering the bytes of its lines so
// that writing the text back keeps every line it did not change byte for byte:
// text that Shift-JIS cannot hold (a UTF-8 comment, an unmapped byte pair)
// would otherwise come back as "?". A file that starts with the UTF-8
// byte-order mark is UTF-8 text (an editor saved it so): it is read as such and
// written back the same way, mark included, so that it loses nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavrik {

class ShiftJisText {
  public:
    // Nothing when the conversion fails, or when a file marked as UTF-8 is not.
    static std::optional<ShiftJisText> Decode(std::string_view bytes);

    // The whole text in UTF-8, with the line ends of the file (CR LF, LF or
    // CR), without a byte-order mark.
    const std::string& text() const { return text_; }

    // `utf8` as Shift-JIS: every line that reads exactly as a line of the file
    // gets that line's bytes (the same bytes for the same line in the same
    // order); other lines are converted. Nothing when a conversion fails.
    std::optional<std::string> Encode(std::string_view utf8) const;

    // The characters that Encode(utf8) would not keep (see LostCharacters):
    // those of the lines it converts.
    std::vector<std::string> LostCharacters(std::string_view utf8) const;

  private:
    std::string text_;
    bool utf8_ = false;  // the file is UTF-8 with a byte-order mark
    // The bytes of each line that is not plain ASCII, by its decoded text.
    std::unordered_map<std::string, std::vector<std::string>> sources_;
};

}  // namespace tavrik
