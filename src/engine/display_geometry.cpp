#include "engine/display_geometry.h"

#include <algorithm>

#include "settings/setting_ranges.h"

namespace tavrik {

namespace {

constexpr int kFewestDigits = 10;  // fewer digits than this are raised to it
constexpr int kMarginDigits = 2;
constexpr int kNarrowHexDigits = 8;
constexpr int kWideHexDigits = 16;
constexpr int kWideHexFrom = 19;  // digits that fit before words take 16 hex digits

}  // namespace

int DisplayDigits(int digitsD) {
    const int digits = kDigitsRange.clamp(digitsD);
    return digits == 0 ? 0 : std::max(digits, kFewestDigits);
}

int DisplayTextWidth(int digitsD, int digitWidth) {
    const int digits = DisplayDigits(digitsD);
    return digits == 0 ? 0 : (digits + kMarginDigits) * digitWidth;
}

DisplayGeometry DisplayGeometryOf(int digitsD, int textWidth, int digitWidth) {
    digitWidth = std::max(1, digitWidth);
    const int digits = DisplayDigits(digitsD);
    const int fitting = digits == 0 ? textWidth / digitWidth : digits;
    return {textWidth, digitWidth, fitting >= kWideHexFrom ? kWideHexDigits : kNarrowHexDigits};
}

}  // namespace tavrik
