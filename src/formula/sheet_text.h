// Text helpers of the formula sheet, whose text has CR LF line breaks.
// Positions count characters, CR and LF one each.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

inline constexpr std::string_view kLineBreak = "\r\n";

// The largest sheet file read: ample for a million formula lines, and a
// bound for a file that never ends.
inline constexpr std::size_t kMaxSheetFileBytes = std::size_t{64} << 20;

// The longest line a run answers, in characters: far beyond any formula
// typed or pasted, while evaluating a line takes memory many times its
// length. A longer line is left as a note.
inline constexpr std::size_t kMaxFormulaLineLength = 65'536;

// The lines of a text: the pieces between line breaks; a break at the very
// end does not start another line.
std::vector<std::string_view> SheetLines(std::string_view text);

// The number of lines ended by LF in a text.
std::size_t CountLineFeeds(std::string_view text);

// Where the last line break of a text starts, or npos: text.rfind(kLineBreak),
// searching for its LF a block at a time.
std::size_t LastLineBreak(std::string_view text);

// The byte offset of character `index` (the end of the text beyond it).
std::size_t ByteOffset(std::string_view text, std::size_t index);

// Whether the last character that is not a blank or control character is
// "=" or "＝".
bool EndsWithEquals(std::string_view text);

// Lines that are empty after trimming, or start with "#" or "'".
bool IsCommentOrBlank(std::string_view line);

// Text with any line ends (CR LF, LF or CR) as lines each followed by CR LF.
std::string WithLineBreaks(std::string text);

}  // namespace tavrik
