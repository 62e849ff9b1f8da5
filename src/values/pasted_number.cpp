#include "values/pasted_number.h"

#include <unicode/normalizer2.h>
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
#include "values/utf8.h"

namespace tavrik {

namespace {

constexpr std::string_view kNothing = "貼り付ける数値がありません";
constexpr std::string_view kTooLong = "貼り付ける文字列が長すぎます";
constexpr std::string_view kSeveral = "複数の値は貼り付けられません";
constexpr std::string_view kTooWide = "表示桁数に収まりません";
constexpr std::string_view kOutOfRange = "値が範囲を超えています";
constexpr std::string_view kNotInteger = "混合モードでは整数だけを貼り付けられます";
constexpr std::string_view kNoSuchDate = "存在しない日付です";
constexpr std::string_view kOutsideEra = "その元号の期間にない日付です";

// An exponent has at most this many digits; anything larger fits no display.
constexpr std::size_t kMaxExponentDigits = 4;
constexpr int kTenThousandPower = 4;

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

// Full-width digits, letters and signs, the ideographic and the no-break blank
// become their plain forms (NFKC); the minus signs of typesetting and the ▲ △
// of Japanese accounts become "-". Bytes that are not UTF-8 become U+FFFD.
std::optional<std::string> Normalised(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
    if (U_FAILURE(status)) return std::nullopt;
    const icu::UnicodeString source = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    icu::UnicodeString plain = nfkc->normalize(source, status);
    if (U_FAILURE(status)) return std::nullopt;
    for (const char16_t* minus : {u"\u2212", u"\u2013", u"\u25B2", u"\u25B3"})
        plain.findAndReplace(icu::UnicodeString(minus), icu::UnicodeString(u"-"));
    std::string result;
    plain.toUTF8String(result);
    return result;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool OnlyDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsDigit);
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

std::string WithoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return std::string(digits.empty() ? "0" : digits);
}

// An unsigned decimal number as its digits before and after the point.
struct Decimal {
    std::string whole;
    std::string fraction;
};

// Digits, grouped by commas in threes or not at all, then an optional point
// and digits.
std::optional<Decimal> ReadPlain(std::string_view s) {
    const auto point = s.find('.');
    const std::string_view whole = s.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : s.substr(point + 1);
    if (!OnlyDigits(fraction)) return std::nullopt;
    Decimal d{{}, std::string(fraction)};
    if (whole.find(',') == std::string_view::npos) {
        if (!OnlyDigits(whole)) return std::nullopt;
        d.whole = whole;
    } else {
        std::size_t start = 0;
        for (bool first = true;; first = false) {
            const auto comma = whole.find(',', start);
            const std::string_view group = whole.substr(start, comma - start);
            const bool sized = first ? !group.empty() && group.size() <= 3 : group.size() == 3;
            if (!sized || !OnlyDigits(group)) return std::nullopt;
            d.whole += group;
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
    }
    if (d.whole.empty() && d.fraction.empty()) return std::nullopt;
    return d;
}

// d × 10^power, exactly.
Decimal Shifted(Decimal d, int power) {
    if (power > 0) {
        const auto n = static_cast<std::size_t>(power);
        if (d.fraction.size() < n) d.fraction.append(n - d.fraction.size(), '0');
        d.whole += d.fraction.substr(0, n);
        d.fraction.erase(0, n);
    } else if (power < 0) {
        const auto n = static_cast<std::size_t>(-power);
        if (d.whole.size() < n) d.whole.insert(0, n - d.whole.size(), '0');
        d.fraction.insert(0, d.whole.substr(d.whole.size() - n));
        d.whole.erase(d.whole.size() - n);
    }
    return d;
}

Decimal Sum(Decimal a, Decimal b) {
    const std::size_t fractionSize = std::max(a.fraction.size(), b.fraction.size());
    const std::size_t wholeSize = std::max(a.whole.size(), b.whole.size());
    for (Decimal* d : {&a, &b}) {
        d->fraction.append(fractionSize - d->fraction.size(), '0');
        d->whole.insert(0, wholeSize - d->whole.size(), '0');
    }
    const std::string x = a.whole + a.fraction;
    const std::string y = b.whole + b.fraction;
    std::string sum(x.size(), '0');
    int carry = 0;
    for (std::size_t i = x.size(); i-- > 0;) {
        const int digit = (x[i] - '0') + (y[i] - '0') + carry;
        sum[i] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    if (carry != 0) sum.insert(0, "1");
    const std::size_t wholeEnd = sum.size() - fractionSize;
    return {sum.substr(0, wholeEnd), sum.substr(wholeEnd)};
}

// A plain number with an optional exponent ("1.5E3", "2e-4").
std::optional<Decimal> ReadScientific(std::string_view s) {
    const auto e = s.find_first_of("eE");
    auto mantissa = ReadPlain(s.substr(0, e));
    if (!mantissa || e == std::string_view::npos) return mantissa;
    std::string_view exponent = s.substr(e + 1);
    const bool negative = TakeSign(exponent);
    if (exponent.empty() || exponent.size() > kMaxExponentDigits || !OnlyDigits(exponent))
        return std::nullopt;
    int power = 0;
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
    return Shifted(std::move(*mantissa), negative ? -power : power);
}

// A plain number, or one in thousands: "2千", "1.5千", "2千500".
std::optional<Decimal> ReadThousands(std::string_view s) {
    constexpr std::string_view kThousand = "千";
    constexpr std::size_t kMostOnesDigits = 3;
    const auto at = s.find(kThousand);
    if (at == std::string_view::npos) return ReadPlain(s);
    const auto thousands = ReadPlain(s.substr(0, at));
    if (!thousands) return std::nullopt;
    Decimal total = Shifted(*thousands, 3);
    const std::string_view rest = s.substr(at + kThousand.size());
    if (rest.empty()) return total;
    const auto ones = ReadPlain(rest);
    if (!ones || ones->whole.size() > kMostOnesDigits || !ones->fraction.empty())
        return std::nullopt;
    return Sum(std::move(total), *ones);
}

// A number with 兆, 億 and 万 in falling order ("1億2345万", "1万2千"), each
// part perhaps in thousands, or a scientific number.
std::optional<Decimal> ReadAmount(std::string_view s) {
    static constexpr std::array<std::pair<std::string_view, int>, 3> kUnits{
        {{"兆", 3 * kTenThousandPower}, {"億", 2 * kTenThousandPower}, {"万", kTenThousandPower}}};
    Decimal total;
    bool anyUnit = false;
    for (const auto& [unit, power] : kUnits) {
        const auto at = s.find(unit);
        if (at == std::string_view::npos) continue;
        const auto part = ReadThousands(s.substr(0, at));
        if (!part) return std::nullopt;
        total = Sum(std::move(total), Shifted(*part, power));
        s.remove_prefix(at + unit.size());
        anyUnit = true;
    }
    if (!anyUnit && s.find("千") == std::string_view::npos) return ReadScientific(s);
    if (s.empty()) return total;
    const auto rest = ReadThousands(s);
    if (!rest) return std::nullopt;
    return Sum(std::move(total), *rest);
}

// The shortest text of a decimal: no leading zeros, no trailing fraction zeros.
std::string DecimalText(const Decimal& d, bool negative) {
    std::string fraction = d.fraction;
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    const std::string whole = WithoutLeadingZeros(d.whole);
    const bool zero = whole == "0" && fraction.empty();
    return (negative && !zero ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

// Room as typing leaves it: a digit is taken while the text and two more
// cells fit the display.
bool FitsDisplay(const ValueRules& rules, std::string_view text) {
    const auto length = static_cast<long long>(utf8::Length(text));
    return (length + 1) * rules.geometry.digitWidth < rules.geometry.displayWidth;
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
    if (!FitsDisplay(ctx.rules, text)) return Refused(kTooWide);
    std::string grouped = GroupDigits(ctx, text);
    std::string ungrouped = grouped;
    std::erase(ungrouped, ',');
    // Grouping that no longer fits gives a rounded text: not what was pasted.
    if (ungrouped != text) return Refused(kTooWide);
    return Checked(ctx.rules, std::move(grouped));
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

constexpr int kMinutesPerHour = 60;
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

PastedNumber ReadDateMode(const ValueRules& rules, std::string_view s) {
    TakePrefix(s, "c ");
    s = WithoutWeekday(s);
    if (const auto era = ReadEraDate(s)) {
        if (!era->date) return Refused(era->outsideEra ? kOutsideEra : kNoSuchDate);
        return CalendarDate(rules, era->date->year, era->date->month, era->date->day);
    }
    for (const char separator : {'/', '-', '.'}) {
        const auto fields = Split(s, separator);
        if (fields.size() != 3 || fields[0].empty()) continue;
        int year = 0, month = 0, day = 0;
        if (!ReadField(fields[0], 4, year) || !ReadField(fields[1], 2, month) ||
            !ReadField(fields[2], 2, day))
            return Refused(NotANumber(CalcMode::Date));
        return CalendarDate(rules, year, month, day);
    }
    const bool negative = TakeSign(s);
    std::vector<std::string> numbers;
    if (const auto units = ReadUnitText(s, kDateUnits, numbers)) {
        // Year, month and day together are a calendar date, else a duration.
        const bool calendar = std::none_of(numbers.begin(), numbers.end(),
                                           [](const std::string& n) { return n.empty(); });
        if (!calendar || negative) return Checked(rules, (negative ? "-" : "") + *units);
        int year = 0, month = 0, day = 0;
        if (!ReadField(numbers[0], 4, year) || !ReadField(numbers[1], 2, month) ||
            !ReadField(numbers[2], 2, day))
            return Refused(NotANumber(CalcMode::Date));
        return CalendarDate(rules, year, month, day);
    }
    if (const auto bare = ReadBareNumber(s, negative)) return Checked(rules, *bare);
    return Refused(NotANumber(CalcMode::Date));
}

}  // namespace

PastedNumber ReadPastedNumber(const ValueContext& ctx, std::string_view clipboard) {
    if (clipboard.size() > kMaxPastedBytes) return Refused(kTooLong);
    const auto normalised = Normalised(clipboard);
    if (!normalised) return Refused(NotANumber(ctx.rules.mode));
    const std::string_view s = Trimmed(*normalised);
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
