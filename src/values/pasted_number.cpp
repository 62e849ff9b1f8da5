#include "values/pasted_number.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "values/calendar.h"
#include "values/era_date_reading.h"
#include "values/number_text.h"
#include "values/pasted_decimal.h"
#include "values/time_units.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

using namespace pasted;

constexpr std::string_view kNothing = "貼り付ける数値がありません";
constexpr std::string_view kTooLong = "貼り付ける文字列が長すぎます";
constexpr std::string_view kSeveral = "複数の値は貼り付けられません";
constexpr std::string_view kTooWide = "表示桁数に収まりません";
constexpr std::string_view kOutOfRange = "値が範囲を超えています";
constexpr std::string_view kNotInteger = "混合モードでは整数だけを貼り付けられます";
constexpr std::string_view kNoSuchDate = "存在しない日付です";
constexpr std::string_view kOutsideEra = "その元号の期間にない日付です";

std::string_view NotANumber(CalcMode mode) {
    switch (mode) {
        case CalcMode::Mixed:
            return "混合モードの数値として読めません";
        case CalcMode::Time:
            return "時間として読めません";
        case CalcMode::Date:
            return "日付として読めません";
        case CalcMode::Decimal:
            break;
    }
    return "10進の数値として読めません";
}

PastedNumber Refused(std::string_view why) {
    return {{}, std::string(why)};
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool TakePrefix(std::string_view& s, std::string_view prefix) {
    if (!s.starts_with(prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}

bool TakeSuffix(std::string_view& s, std::string_view suffix) {
    if (!s.ends_with(suffix)) return false;
    s.remove_suffix(suffix.size());
    return true;
}

// A leading sign; true for "-".
bool TakeSign(std::string_view& s) {
    if (TakePrefix(s, "-")) return true;
    TakePrefix(s, "+");
    return false;
}

// Room as typing leaves it: a digit is taken while the text and two more
// cells fit the display.
bool FitsDisplay(const ValueRules& rules, std::string_view text) {
    const auto length = static_cast<long long>(utf8::Length(text));
    return (length + 1) * rules.geometry.digitWidth < rules.geometry.displayWidth;
}

// Room as the display leaves a result, so that a number it shows and
// 数値をコピー copies comes back whole.
bool FitsAsResult(const ValueRules& rules, std::string_view text) {
    const auto length = static_cast<long long>(utf8::Length(text));
    return length * rules.geometry.digitWidth < rules.geometry.displayWidth;
}

PastedNumber Checked(const ValueRules& rules, std::string text) {
    if (!FitsDisplay(rules, text)) return Refused(kTooWide);
    return {std::move(text), {}};
}

PastedNumber ReadDecimalMode(const ValueContext& ctx, std::string_view s) {
    bool negative = TakeSign(s);
    if (TakePrefix(s, "¥") && !negative) negative = TakeSign(s);
    TakeSuffix(s, "円");
    const auto d = ReadAmount(Trimmed(s));
    if (!d) return Refused(NotANumber(CalcMode::Decimal));
    const std::string text = DecimalText(*d, negative);
    if (FitsAsResult(ctx.rules, text)) {
        std::string grouped = GroupDigits(ctx, text);
        std::string ungrouped = grouped;
        std::erase(ungrouped, ',');
        // Grouping that no longer fits gives another text: not what was pasted.
        if (ungrouped == text && FitsAsResult(ctx.rules, grouped)) return {std::move(grouped), {}};
    }
    const auto exponent = ExponentText(*d, negative);
    if (!exponent || !FitsAsResult(ctx.rules, *exponent)) return Refused(kTooWide);
    return {*exponent, {}};
}

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

PastedNumber ReadMixedMode(const ValueRules& rules, std::string_view s) {
    const int bits = rules.geometry.hexWidth == 16 ? 64 : 32;
    bool negative = TakeSign(s);
    bool hex = rules.radix == Radix::Hex;
    const auto lower = [&](std::size_t i) {
        return i < s.size() ? static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])))
                            : '\0';
    };
    if (lower(0) == '0' && lower(1) == 'x') {
        s.remove_prefix(2);
        hex = true;
    } else if (lower(0) == 'h') {
        s.remove_prefix(1);
        hex = true;
    } else if (lower(0) == 'd' &&
               (lower(1) == ' ' ||
                s.substr(1).find_first_not_of("0123456789,+-") == std::string_view::npos)) {
        s.remove_prefix(1);
        hex = false;
    } else if (lower(s.size() - 1) == 'h' && !s.empty()) {
        s.remove_suffix(1);
        hex = true;
    }
    s = Trimmed(s);
    if (!negative) negative = TakeSign(s);
    if (hex) {
        if (s.empty() || !std::all_of(s.begin(), s.end(), IsHexDigit))
            return Refused(NotANumber(CalcMode::Mixed));
        std::string digits = WithoutLeadingZeros(s);
        if (digits.size() > static_cast<std::size_t>(bits / 4)) return Refused(kOutOfRange);
        std::transform(digits.begin(), digits.end(), digits.begin(),
                       [](char c) { return static_cast<char>(std::toupper(c)); });
        return {"h " + std::string(negative && digits != "0" ? "-" : "") + digits, {}};
    }
    const auto d = ReadScientific(s);
    if (!d) return Refused(NotANumber(CalcMode::Mixed));
    const std::string text = DecimalText(*d, negative);
    if (text.find('.') != std::string::npos) return Refused(kNotInteger);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool inWord = bits == 64 || (value >= INT32_MIN && value <= INT32_MAX);
    if (error != std::errc() || end != text.data() + text.size() || !inWord)
        return Refused(kOutOfRange);
    return {"d " + text, {}};
}

// Numbers each followed by one of `units`, in the units' order ("1時30分",
// "2年3月"); only the last number may have a fraction. The numbers are
// written without leading zeros; `numbers` holds each unit's number, empty
// for a unit not present.
std::optional<std::string> ReadUnitText(std::string_view s, std::span<const std::string_view> units,
                                        std::vector<std::string>& numbers) {
    numbers.assign(units.size(), std::string());
    std::string text;
    std::size_t next = 0;
    bool fractionSeen = false;
    while (!s.empty()) {
        const auto numberEnd = s.find_first_not_of("0123456789.");
        if (numberEnd == 0 || numberEnd == std::string_view::npos || fractionSeen)
            return std::nullopt;
        const auto number = ReadPlain(s.substr(0, numberEnd));
        if (!number) return std::nullopt;
        s.remove_prefix(numberEnd);
        std::size_t unit = next;
        while (unit < units.size() && !s.starts_with(units[unit])) ++unit;
        if (unit == units.size()) return std::nullopt;
        s.remove_prefix(units[unit].size());
        fractionSeen = !number->fraction.empty();
        numbers[unit] = DecimalText(*number, false);
        text += numbers[unit] + std::string(units[unit]);
        next = unit + 1;
    }
    if (text.empty()) return std::nullopt;
    return text;
}

// A bare number of time and date mode, as typed before a unit key.
std::optional<std::string> ReadBareNumber(std::string_view s, bool negative) {
    const auto d = ReadPlain(s);
    if (!d) return std::nullopt;
    return DecimalText(*d, negative);
}

bool ReadField(std::string_view s, std::size_t maxDigits, int& value) {
    if (s.empty() || s.size() > maxDigits || !OnlyDigits(s)) return false;
    std::from_chars(s.data(), s.data() + s.size(), value);
    return true;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto at = s.find(separator, start);
        fields.push_back(s.substr(start, at - start));
        if (at == std::string_view::npos) return fields;
        start = at + 1;
    }
}

constexpr std::array<std::string_view, 4> kTimeUnits = {"日", "時", "分", "秒"};

PastedNumber ReadTimeMode(const ValueRules& rules, std::string_view s) {
    const bool negative = TakeSign(s);
    const std::string sign = negative ? "-" : "";
    if (s.find(':') != std::string_view::npos) {
        // h:mm or h:mm:ss with an optional fraction of the seconds.
        const auto fields = Split(s, ':');
        int minutes = 0;
        if (fields.size() > 3 || fields[0].empty() || !OnlyDigits(fields[0]) ||
            !ReadField(fields[1], 2, minutes) || minutes >= kMinutesPerHour)
            return Refused(NotANumber(CalcMode::Time));
        std::string text =
            sign + WithoutLeadingZeros(fields[0]) + "時" + WithoutLeadingZeros(fields[1]) + "分";
        if (fields.size() == 3) {
            const auto seconds = ReadPlain(fields[2]);
            int whole = 0;
            if (!seconds || !ReadField(seconds->whole, 2, whole) || whole >= kMinutesPerHour)
                return Refused(NotANumber(CalcMode::Time));
            text += DecimalText(*seconds, false) + "秒";
        }
        return Checked(rules, std::move(text));
    }
    std::vector<std::string> numbers;
    if (const auto units = ReadUnitText(s, kTimeUnits, numbers))
        return Checked(rules, sign + *units);
    if (const auto bare = ReadBareNumber(s, negative)) return Checked(rules, *bare);
    return Refused(NotANumber(CalcMode::Time));
}

constexpr std::array<std::string_view, 3> kDateUnits = {"年", "月", "日"};

PastedNumber CalendarDate(const ValueRules& rules, int year, int month, int day) {
    if (!DateValueOf({year, month, day})) return Refused(kNoSuchDate);
    return Checked(rules, "c " + std::to_string(year) + "年" + std::to_string(month) + "月" +
                              std::to_string(day) + "日");
}

// A weekday after a date, "(金)", as the display and Cb write it.
std::string_view WithoutWeekday(std::string_view s) {
    if (!s.ends_with(")")) return s;
    const auto open = s.rfind('(');
    if (open == std::string_view::npos || utf8::Length(s.substr(open)) != 3) return s;
    return Trimmed(s.substr(0, open));
}

// A calendar date's year has four digits: "24/5/3" and the version number
// "1.5.3" are no dates of the first century.
bool ReadYear(std::string_view s, int& year) {
    constexpr std::size_t kYearDigits = 4;
    return s.size() == kYearDigits && s.front() != '0' && ReadField(s, kYearDigits, year);
}

PastedNumber ReadDateMode(const ValueRules& rules, std::string_view s) {
    const bool marked = TakePrefix(s, "c ");
    s = WithoutWeekday(s);
    if (const auto era = ReadEraDate(s)) {
        if (!era->date) return Refused(era->outsideEra ? kOutsideEra : kNoSuchDate);
        return CalendarDate(rules, era->date->year, era->date->month, era->date->day);
    }
    for (const char separator : {'/', '-', '.'}) {
        const auto fields = Split(s, separator);
        if (fields.size() != 3 || fields[0].empty()) continue;
        int year = 0, month = 0, day = 0;
        if (!ReadYear(fields[0], year) || !ReadField(fields[1], 2, month) ||
            !ReadField(fields[2], 2, day))
            return Refused(NotANumber(CalcMode::Date));
        return CalendarDate(rules, year, month, day);
    }
    const bool negative = TakeSign(s);
    std::vector<std::string> numbers;
    if (const auto units = ReadUnitText(s, kDateUnits, numbers)) {
        // Year, month and day together are a calendar date when the year has
        // four digits or the date marker leads; else a duration, as the
        // display writes one.
        const bool allParts = std::none_of(numbers.begin(), numbers.end(),
                                           [](const std::string& n) { return n.empty(); });
        int year = 0, month = 0, day = 0;
        const bool fourDigitYear = ReadYear(numbers[0], year);
        if (!allParts || negative || (!marked && !fourDigitYear))
            return Checked(rules, (negative ? "-" : "") + *units);
        if (!fourDigitYear || !ReadField(numbers[1], 2, month) || !ReadField(numbers[2], 2, day))
            return Refused(NotANumber(CalcMode::Date));
        return CalendarDate(rules, year, month, day);
    }
    if (const auto bare = ReadBareNumber(s, negative)) return Checked(rules, *bare);
    return Refused(NotANumber(CalcMode::Date));
}

}  // namespace

// Full-width forms (digits, letters, signs, the yen sign) and the ideographic
// and no-break blanks become their plain forms; the minus signs of typesetting
// and the ▲ △ of Japanese accounts become "-". Nothing else is folded: a
// superscript, subscript, circled or mathematical digit is a mark, not a
// digit, and is refused with the rest of the text. Bytes that are not UTF-8
// become U+FFFD.
std::string FoldedNumberText(std::string_view text) {
    constexpr UChar32 kFullWidthFirst = 0xFF01, kFullWidthLast = 0xFF5E;
    constexpr UChar32 kFullWidthOffset = 0xFEE0;
    constexpr UChar32 kFullWidthYen = 0xFFE5, kYen = 0xA5;
    constexpr UChar32 kIdeographicSpace = 0x3000, kNoBreakSpace = 0xA0;
    const icu::UnicodeString source = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    icu::UnicodeString plain;
    for (std::int32_t i = 0; i < source.length(); i = source.moveIndex32(i, 1)) {
        const UChar32 c = source.char32At(i);
        if (c >= kFullWidthFirst && c <= kFullWidthLast)
            plain.append(c - kFullWidthOffset);
        else if (c == kFullWidthYen)
            plain.append(kYen);
        else if (c == kIdeographicSpace || c == kNoBreakSpace)
            plain.append(u' ');
        else
            plain.append(c);
    }
    for (const char16_t* minus : {u"\u2212", u"\u2013", u"\u25B2", u"\u25B3"})
        plain.findAndReplace(icu::UnicodeString(minus), icu::UnicodeString(u"-"));
    std::string result;
    plain.toUTF8String(result);
    return result;
}

PastedNumber ReadPastedNumber(const ValueContext& ctx, std::string_view clipboard) {
    if (clipboard.size() > kMaxPastedBytes) return Refused(kTooLong);
    const std::string folded = FoldedNumberText(clipboard);
    const std::string_view s = Trimmed(folded);
    if (s.empty()) return Refused(kNothing);
    if (s.find_first_of("\r\n\t") != std::string_view::npos) return Refused(kSeveral);
    switch (ctx.rules.mode) {
        case CalcMode::Mixed:
            return ReadMixedMode(ctx.rules, s);
        case CalcMode::Time:
            return ReadTimeMode(ctx.rules, s);
        case CalcMode::Date:
            return ReadDateMode(ctx.rules, s);
        case CalcMode::Decimal:
            break;
    }
    return ReadDecimalMode(ctx, s);
}

}  // namespace tavrik
