// Key codes: 1..35 the on-screen keys, 36 and 37 the keyboard-only unit keys,
// 38 paste, 39..41 the reduced-rate tax keys and 税額, 42 and 43 undo and redo,
// 44..51 the time-sheet keys of time mode (key tables only), then the function
// codes of function_codes.h. The key table, the operation table and the engine
// read them from here.
#pragma once

#include <string_view>

#include "settings/function_codes.h"

namespace tavrik {

enum ButtonCode : int {
    kDigit0 = 1,  // 1..10: digits 0..9
    kDigit9 = 10,
    kKeyA = 11,  // 11..16: A..F
    kKeyB = 12,
    kKeyC = 13,
    kKeyD = 14,
    kKeyE = 15,
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
    // Paste has a code of its own in key tables only.
    kPaste = 38,
    // The reduced-rate tax keys and the tax contained, in key tables only.
    kReducedTaxIn = 39,
    kReducedTaxOut = 40,
    kTaxAmount = 41,
    // Undo and redo of key steps, in key tables only.
    kUndo = 42,
    kRedo = 43,
    // Time-sheet keys of time mode, in key tables only: decimal hours, the
    // time between two clock times, and rounding to 15 or 30 minutes.
    kDecimalHours = 44,
    kClockDifference = 45,
    kRoundUp15 = 46,
    kRoundDown15 = 47,
    kRoundNearest15 = 48,
    kRoundUp30 = 49,
    kRoundDown30 = 50,
    kRoundNearest30 = 51,
    kExchange = 108,

    // A..F in time and date mode: the unit keys 年 月 日 時 分 秒; in date
    // mode E and F are the weekday and calendar keys instead of 分 and 秒.
    kYearKey = kKeyA,
    kMonthKey = kKeyB,
    kDayKey = kKeyC,
    kHourKey = kKeyD,
    kMinuteKey = kKeyE,
    kSecondKey = kKeyF,
    kWeekdayKey = kMinuteKey,
    kCalendarKey = kSecondKey,
};

// The code of the digit key 0..9.
constexpr int DigitCode(int digit) {
    return kDigit0 + digit;
}

inline constexpr int kOnScreenKeys = kCopy;  // codes 1..35 have a key on screen
// Slots of a table indexed by on-screen key 1..35; slot 0 unused.
inline constexpr int kKeySlots = kOnScreenKeys + 1;
inline constexpr int kLastKeyCode = kNextDateUnit;  // the last code with a key character

// The key alphabet: the characters that name the key codes in key strings
// and key tables.
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
    {kPaste, kPasteKeyChar},
    {kReducedTaxIn, 'W'},
    {kReducedTaxOut, 'Y'},
    {kTaxAmount, 'U'},
    {kUndo, 'M'},
    {kRedo, 'N'},
    {kDecimalHours, 'h'},
    {kClockDifference, 'k'},
    {kRoundUp15, 'p'},
    {kRoundDown15, 'q'},
    {kRoundNearest15, 'r'},
    {kRoundUp30, 's'},
    {kRoundDown30, 't'},
    {kRoundNearest30, 'v'},
};

// Whether a code is one of the time-sheet keys of time mode.
inline constexpr bool IsTimeSheetCode(int code) {
    return code >= kDecimalHours && code <= kRoundNearest30;
}

// The key character of a code 1..kLastKeyCode; '\0' for any other code.
inline char KeyCodeChar(int code) {
    return code >= kDigit0 && code <= kLastKeyCode ? KeyCodeString[code - kDigit0] : '\0';
}

// The code of a key character; 0 when the character names no key.
inline int CodeOfKeyChar(char c) {
    const auto pos = KeyCodeString.find(c);
    return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + kDigit0;
}

// The code a key-table character assigns: a key of KeyCodeString, or a
// key-table-only code.
inline int CodeOfKeyTableChar(char c) {
    for (const KeyTableOnlyCode& only : kKeyTableOnlyCodes)
        if (only.keyChar == c) return only.code;
    return CodeOfKeyChar(c);
}

// The key-table character of a code: its KeyCodeString character, or its
// key-table-only one.
inline char KeyTableChar(int code) {
    for (const KeyTableOnlyCode& only : kKeyTableOnlyCodes)
        if (only.code == code) return only.keyChar;
    return KeyCodeChar(code);
}

inline bool IsDigitCode(int code) {
    return code >= kDigit0 && code <= kDigit9;
}

}  // namespace tavrik
