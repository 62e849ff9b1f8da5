// A Shift-JIS text file read as UTF-8, remembering the bytes of its lines so
// that writing the text back keeps every line it did not change byte for byte:
// text that Shift-JIS cannot hold (a UTF-8 comment, an unmapped byte pair)
// would otherwise come back as "?".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavrik {

class ShiftJisText {
  public:
    // Nothing when the conversion fails.
    static std::optional<ShiftJisText> Decode(std::string_view bytes);

    // The whole text in UTF-8, with the line ends of the file.
    const std::string& text() const { return text_; }

    // `utf8` as Shift-JIS: every line that reads exactly as a line of the file
    // gets that line's bytes (the same bytes for the same line in the same
    // order); other lines are converted. Nothing when a conversion fails.
    std::optional<std::string> Encode(std::string_view utf8) const;

  private:
    std::string text_;
    // The bytes of each line that is not plain ASCII, by its decoded text.
    std::unordered_map<std::string, std::vector<std::string>> sources_;
};

}  // namespace tavrik
