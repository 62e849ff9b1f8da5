// Button codes: 1..35 the on-screen keys, 36 and 37 the keyboard-only unit
// keys, then the function codes of settings/function_codes.h.
#pragma once

#include <string_view>

#include "settings/function_codes.h"

namespace tavrik {

// The character at position code (1-based) names the key in key tables.
inline constexpr std::string_view KeyCodeString = "0123456789ABCDEFTP+-*/=%RGHJKLZXIOVS:";

enum ButtonCode : int {
    kDigit0 = 1,  // 1..10: digits 0..9
    kKeyA = 11,   // 11..16: A..F
    kKeyF = 16,
    kThreeZeros = 17,
    kPoint = 18,
    kAdd = 19,
    kSubtract = 20,
    kMultiply = 21,
    kDivide = 22,
    kEquals = 23,
    kPercent = 24,
    kChangeSign = 25,
    kClearEntry = 26,
    kMemoryAdd = 27,
    kMemorySubtract = 28,
    kMemoryRecall = 29,
    kMemoryClear = 30,
    kAllClear = 31,
    kBackspace = 32,
    kTaxIn = 33,
    kTaxOut = 34,
    kCopy = 35,
    kNextTimeUnit = 36,
    kNextDateUnit = 37,
    kExchange = 108,
};

inline constexpr int kOnScreenKeys = 35;

// Paste has a code of its own in key tables only. Its key character stands
// outside KeyCodeString, so key strings never name it and key tables saved
// before it existed never assign it.
inline constexpr int kPaste = 38;
inline constexpr char kPasteKeyChar = 'Q';

// The key character of a code 1..37; '\0' for any other code.
inline char KeyCodeChar(int code) {
    return code >= 1 && code <= static_cast<int>(KeyCodeString.size()) ? KeyCodeString[code - 1]
                                                                       : '\0';
}

// The code of a key character; 0 when the character names no key.
inline int CodeOfKeyChar(char c) {
    const auto pos = KeyCodeString.find(c);
    return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

// The code a key-table character assigns: a key of KeyCodeString, or paste.
inline int CodeOfKeyTableChar(char c) {
    return c == kPasteKeyChar ? kPaste : CodeOfKeyChar(c);
}

// The key-table character of a code: its KeyCodeString character, or paste's.
inline char KeyTableChar(int code) {
    return code == kPaste ? kPasteKeyChar : KeyCodeChar(code);
}

inline bool IsDigitCode(int code) {
    return code >= 1 && code <= 10;
}

}  // namespace tavrik
