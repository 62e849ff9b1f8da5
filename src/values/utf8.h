// Character-level helpers for UTF-8 text. Positions and lengths of display
// and value texts count characters (a Japanese unit character is one), never bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrik::utf8 {

// Number of characters (code points) in the text; a byte that starts no valid
// sequence counts as one.
std::size_t Length(std::string_view text);

// The text without its last character.
std::string DropLast(std::string_view text);

// The text with its first `count` characters removed.
std::string_view DropFirst(std::string_view text, std::size_t count);

// Whether the text ends with the character `ch` (a whole UTF-8 sequence).
inline bool EndsWith(std::string_view text, std::string_view ch) {
    return text.size() >= ch.size() && text.substr(text.size() - ch.size()) == ch;
}

inline bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Remove the first occurrence of `part`; true when one was removed.
bool EraseFirst(std::string& text, std::string_view part);

// Replace the first occurrence of `from` by `to`; true when one was replaced.
bool ReplaceFirst(std::string& text, std::string_view from, std::string_view to);

// ASCII-only case-insensitive comparison (the texts compared are markers and digits).
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Replace every byte sequence that is not valid UTF-8 by U+FFFD.
std::string Sanitize(std::string_view text);

}  // namespace tavrik::utf8
