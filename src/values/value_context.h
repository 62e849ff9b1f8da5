// What the value-text routines are given: the rules they follow (mode, radix
// selection, display geometry, display rounding, grouping), read only, and
// the services they report through. What they find out they return.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "values/error_report.h"
#include "values/message_line.h"
#include "values/office_calendar.h"
#include "values/view.h"

namespace tavrik {

enum class CalcMode : char { Decimal = 'D', Mixed = 'H', Time = 'T', Date = 'C' };

// The modes' letters in the order of ModeIndex, as files and commands write them.
inline constexpr std::string_view kModeLetters = "DHTC";
// Index of a mode in "DHTC" (0..3).
int ModeIndex(CalcMode mode);
// The mode of a letter; anything but H, T or C is decimal.
CalcMode ModeFromLetter(char letter);

// Mixed mode: which radix the display uses (the underline of keys 33 and 34).
enum class Radix : std::uint8_t { None, Decimal, Hex };

struct DisplayGeometry {
    int displayWidth = 25;  // width of the display text, in pixels (cells on the console)
    int digitWidth = 1;     // width of "8" in the display font
    int hexWidth = 16;      // hexadecimal digits per mixed-mode word: 16 or 8
};

// The rules a value text is read and written by; the calculator and its
// window set them.
struct ValueRules {
    CalcMode mode = CalcMode::Decimal;
    Radix radix = Radix::None;
    DisplayGeometry geometry;
    int roundM = 0;  // display rounding: 0 none, 1 half away from zero, 2 truncate
    int roundD = 0;  // rounding unit 10^roundD
    bool grouping = false;
    OfficeCalendar office;  // business days and the first-day rule of date mode
};

// Where failures and information texts go, and today's date.
struct ValueServices {
    ErrorReporter& reporter;
    StatusLine& status;  // information texts (kind 0) such as a date's information line
    const Clock& clock;
};

struct ValueContext {
    const ValueRules& rules;
    const ValueServices& services;
};

// Slots of a split unit text: the prefix ("c " and "-"), one slot per unit
// with its unit character, and the bare number typed after the last unit.
enum UnitSlot : std::size_t {
    kPrefixSlot,
    kYearSlot,
    kMonthSlot,
    kDaySlot,
    kHourSlot,
    kMinuteSlot,
    kSecondSlot,
    kBareNumberSlot,
    kUnitSlotCount
};
using UnitParts = std::array<std::string, kUnitSlotCount>;

// The years a calendar date may name.
inline constexpr int kFirstCalendarYear = 1600;
inline constexpr int kLastCalendarYear = 3000;

// The largest unit a re-expressed time or date result may use: 3 days (time),
// 2 hours or years, 1 minutes or months; kAnyUnitLevel admits every unit.
inline constexpr int kAnyUnitLevel = 9;

}  // namespace tavrik
