// The key characters that name the key codes in key strings and key tables.
#pragma once

#include <string_view>

#include "settings/key_codes.h"

namespace tavrik {

// The character at position code (1-based) names the key in key tables.
inline constexpr std::string_view KeyCodeString = "0123456789ABCDEFTP+-*/=%RGHJKLZXIOVS:";
static_assert(KeyCodeString.size() == kLastKeyCode, "one key character per key code");

// The characters of the codes found in key tables only stand outside
// KeyCodeString, so key strings never name them and key tables saved before
// they existed never assign them.
inline constexpr char kPasteKeyChar = 'Q';
struct KeyTableOnlyCode {
    int code;
    char keyChar;
};
inline constexpr KeyTableOnlyCode kKeyTableOnlyCodes[] = {
    {kPaste, kPasteKeyChar}, {kReducedTaxIn, 'W'}, {kReducedTaxOut, 'Y'}, {kTaxAmount, 'U'}};

// The key character of a code 1..kLastKeyCode; '\0' for any other code.
inline char KeyCodeChar(int code) {
    return code >= kDigit0 && code <= kLastKeyCode ? KeyCodeString[code - kDigit0] : '\0';
}

// The code of a key character; 0 when the character names no key.
inline int CodeOfKeyChar(char c) {
    const auto pos = KeyCodeString.find(c);
    return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + kDigit0;
}

// The code a key-table character assigns: a key of KeyCodeString, or one
// found in key tables only.
inline int CodeOfKeyTableChar(char c) {
    for (const KeyTableOnlyCode& only : kKeyTableOnlyCodes)
        if (only.keyChar == c) return only.code;
    return CodeOfKeyChar(c);
}

// The key-table character of a code.
inline char KeyTableChar(int code) {
    for (const KeyTableOnlyCode& only : kKeyTableOnlyCodes)
        if (only.code == code) return only.keyChar;
    return KeyCodeChar(code);
}

inline bool IsDigitCode(int code) {
    return code >= kDigit0 && code <= kDigit9;
}

}  // namespace tavrik
