// Function codes: 100 means "no function", 101..200 name the functions of
// the keypad and of the function keys, and six of them run the user-defined
// formulas FStr1 … FStr6. Every layer reads these ranges from here.
#pragma once

namespace tavrik {

inline constexpr int kNoFunction = 100;
inline constexpr int kFirstFunction = 101;
inline constexpr int kLastFunction = 200;
// Titles FT100 … FT200, one per code from kNoFunction on.
inline constexpr int kFunctionTitles = kLastFunction - kNoFunction + 1;

// Codes 109 … 114: the user functions FStr1 … FStr6.
inline constexpr int kFirstUserFunction = 109;
inline constexpr int kUserFunctions = 6;

}  // namespace tavrik
