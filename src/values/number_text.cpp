#include "values/number_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "values/ascii_digit.h"
#include "values/decimal_digits.h"
#include "values/math_error.h"
#include "values/unit_text.h"
#include "values/utf8.h"

namespace tavrik {

int ModeIndex(CalcMode mode) {
    switch (mode) {
        case CalcMode::Decimal:
            return 0;
        case CalcMode::Mixed:
            return 1;
        case CalcMode::Time:
            return 2;
        case CalcMode::Date:
            return 3;
    }
    return 0;
}

CalcMode ModeFromLetter(char letter) {
    switch (letter) {
        case 'H':
            return CalcMode::Mixed;
        case 'T':
            return CalcMode::Time;
        case 'C':
            return CalcMode::Date;
        default:
            return CalcMode::Decimal;
    }
}

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The "C" locale, so that the decimal point is "." whatever the user's locale.
locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    return classic;
}

// Optional sign, digits, optional "." and digits, optional exponent, read into
// extended precision, which holds every decimal text the formatter writes. A
// magnitude beyond the extended range fails with an overflow; one below its
// smallest value reads as 0, as an underflow does in arithmetic.
std::optional<long double> ReadDecimalReal(std::string_view s) {
    s = TrimBlanks(s);
    std::size_t i = 0, mantissaDigits = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    const std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t start = i;
        while (i < s.size() && IsDigit(s[i])) ++i;
        if (i == start) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    std::string terminated(s);
    const auto read = [&] { return strtold_l(terminated.c_str(), nullptr, ClassicLocale()); };
    const long double value = read();
    if (!std::isinf(value)) return value;
    // Rounded to its last digit, the largest value can be written just past
    // the range: a text that one unit lower in its last digit is back in range,
    // and near its top, reads as the largest value.
    constexpr long double kLargest = std::numeric_limits<long double>::max();
    const std::size_t last = terminated.find_last_of("123456789", mantissaEnd - 1);
    if (last != std::string::npos) {
        --terminated[last];
        const long double lower = std::fabs(read());
        if (lower > kLargest / 2 && lower <= kLargest) return std::copysign(kLargest, value);
    }
    ThrowFailure(FailureKind::Overflow);
}

// A "d " number: a 64-bit integer, which must also fit a 32-bit word when the
// mode's words are 32 bits wide.
std::optional<std::int64_t> ReadDecimalInt64(std::string_view s, int bits) {
    s = TrimBlanks(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (end != s.data() + s.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) ThrowFailure(FailureKind::IntOverflow);
    if (ec != std::errc()) return std::nullopt;
    if (bits == 32 && (value < INT32_MIN || value > INT32_MAX))
        ThrowFailure(FailureKind::IntOverflow);
    return value;
}

// Hexadecimal digits read as a two's-complement word of `bits` bits; more
// digits than the word holds are an overflow, never a wrapped value.
std::optional<std::int64_t> ReadHexWord(std::string_view s, bool negative, int bits) {
    s = TrimBlanks(s);
    if (s.empty()) return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, 16);
    if (end != s.data() + s.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range) ThrowFailure(FailureKind::IntOverflow);
    if (ec != std::errc()) return std::nullopt;
    if (bits == 32) {
        if (value > UINT32_MAX) ThrowFailure(FailureKind::IntOverflow);
        auto word = static_cast<std::uint32_t>(value);
        if (negative) word = 0u - word;
        return static_cast<std::int32_t>(word);
    }
    if (negative) value = 0u - value;
    return static_cast<std::int64_t>(value);
}

std::string HexDigits(std::uint64_t value) {
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string text(buffer, end);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The digits written positionally, after `sign`.
std::string Positional(const DecimalDigits& d, bool negative) {
    const auto k = static_cast<int>(d.digits.size());
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(k, d.exponent) + 4 + std::max(0, -d.exponent)));
    if (negative) text += '-';
    if (k == 0) {
        text += '0';
    } else if (d.exponent <= 0) {
        text.append("0.").append(static_cast<std::size_t>(-d.exponent), '0').append(d.digits);
    } else if (d.exponent >= k) {
        text.append(d.digits).append(static_cast<std::size_t>(d.exponent - k), '0');
    } else {
        const auto e = static_cast<std::size_t>(d.exponent);
        text.append(d.digits, 0, e).append(1, '.').append(d.digits, e);
    }
    return text;
}

const char* NonFinite(long double x) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    return nullptr;
}

int FallbackPrecision(const DisplayGeometry& g) {
    return g.displayWidth / std::max(1, g.digitWidth) - 5;
}

bool TooWide(const DisplayGeometry& g, std::string_view text) {
    // A text no wider in bytes than the display fits without counting its characters.
    const auto width = [&](std::size_t cells) {
        return static_cast<long long>(cells) * g.digitWidth;
    };
    return width(text.size()) >= g.displayWidth && width(utf8::Length(text)) >= g.displayWidth;
}

// x in general form with the digits the display has room for; a long
// exponent ("E-301") takes cells from the digits.
std::string FallbackForm(const DisplayGeometry& g, long double x) {
    int precision = std::max(1, FallbackPrecision(g));
    std::string text = GeneralForm(x, precision);
    while (TooWide(g, text) && precision > 1) text = GeneralForm(x, --precision);
    return text;
}

// Display rounding of a decimal-mode value.
long double RoundForDisplay(const ValueContext& ctx, long double value) {
    if (ctx.rules.roundM != 1 && ctx.rules.roundM != 2) return value;
    const long double unit = std::pow(10.0L, static_cast<long double>(ctx.rules.roundD));
    const double q = static_cast<double>(Checked([&] { return Fresh(value) / Fresh(unit); }));
    // The four-decimal step absorbs the representation error of the quotient.
    const std::int64_t ticks = CalcValue::currency(q).ticks();
    constexpr std::int64_t kHalfUnit = 5000, kNineTenths = 9000, kTicksPerUnit = 10000;
    std::int64_t offset = 0;
    if (ctx.rules.roundM == 1)
        offset = value >= 0 ? kHalfUnit : -kHalfUnit;
    else if (value < 0)
        offset = -kNineTenths;
    // The offset is added in currency: past its range it is an overflow, never
    // a wrapped count with the opposite sign.
    std::int64_t shifted = 0;
    if (__builtin_add_overflow(ticks, offset, &shifted)) ThrowFailure(FailureKind::Overflow);
    const std::int64_t n = shifted / kTicksPerUnit;
    return Checked([&] { return Fresh(static_cast<long double>(n)) * Fresh(unit); });
}

std::string FormatMixed(const ValueContext& ctx, long double value) {
    const bool hex = ctx.rules.radix == Radix::Hex;
    if (ctx.rules.geometry.hexWidth == 16) {
        const std::int64_t n = RoundToInt64(value);
        return hex ? "h " + HexDigits(static_cast<std::uint64_t>(n)) : "d " + std::to_string(n);
    }
    if (value > 2147483647.0L || value < -2147483648.0L) {
        ctx.services.reporter.ReportCalcError("オーバーフロー");
        return hex ? "h 0" : "d 0";
    }
    const auto n = static_cast<std::int32_t>(RoundToInt64(value));
    return hex ? "h " + HexDigits(static_cast<std::uint32_t>(n)) : "d " + std::to_string(n);
}

std::string FormatDecimal(const ValueContext& ctx, long double value) {
    const long double x = RoundForDisplay(ctx, value);
    std::string text = GeneralForm(x, 15);
    if (text.find('E') != std::string::npos && !NonFinite(x)) text = PositionalForm(x);
    if (TooWide(ctx.rules.geometry, text)) text = FallbackForm(ctx.rules.geometry, x);
    if (!ctx.rules.grouping) return text;
    return GroupDigits(ctx, text);
}

bool StartsWith(std::string_view text, char c) {
    return !text.empty() && text.front() == c;
}

// The value of a D/H text; nothing when the text is not a number of its form.
std::optional<CalcValue> ReadValueText(const ValueContext& ctx, std::string_view text) {
    const int bits = ctx.rules.geometry.hexWidth == 16 ? 64 : 32;
    if (text.front() == 'd') {
        const int wordBits = ctx.rules.mode == CalcMode::Mixed ? bits : 64;
        if (const auto n = ReadDecimalInt64(utf8::DropFirst(text, 2), wordBits))
            return CalcValue::int64(*n);
    } else if (text.front() == 'h') {
        std::string rest(text);
        const bool negative = utf8::EraseFirst(rest, "-");
        if (const auto n = ReadHexWord(utf8::DropFirst(rest, 2), negative, bits))
            return bits == 64 ? CalcValue::int64(*n)
                              : CalcValue::int32(static_cast<std::int32_t>(*n));
    } else {
        std::string plain(text);
        plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
        if (const auto v = ReadDecimalReal(plain)) return CalcValue::real(*v);
    }
    return std::nullopt;
}

}  // namespace

CalcValue ParseValueText(const ValueContext& ctx, std::string_view text) {
    if (text.empty()) return CalcValue::small(0);
    try {
        if (const auto value = ReadValueText(ctx, text)) return *value;
    } catch (const CalcFailure& failure) {
        ctx.services.reporter.ReportMathException(failure);
        throw ReportedFailure();
    }
    ctx.services.reporter.ReportReadFailure(true);
    throw ReportedFailure();
}

std::optional<std::string> FormatValue(const ValueContext& ctx, long double value) {
    switch (ctx.rules.mode) {
        case CalcMode::Decimal:
            return FormatDecimal(ctx, value);
        case CalcMode::Mixed:
            return FormatMixed(ctx, value);
        case CalcMode::Time:
        case CalcMode::Date:
            break;
    }
    return std::nullopt;
}

// Results are written from the 80-bit value with at most 18 significant
// digits: binary64 would carry only 17, and the digits of a longer text past
// the 18th are binary noise.
constexpr int kMaxSignificantDigits = 18;

namespace {

// x as an integer when it is one of at most `precision` digits: its digits
// rounded to the precision are its own, written positionally (0 for -0).
std::optional<std::int64_t> ShortWholeNumber(long double x, int precision) {
    static constexpr auto kLimits = [] {
        std::array<long double, kMaxSignificantDigits + 1> limits{};
        long double limit = 1;
        for (long double& each : limits) each = limit, limit *= 10;
        return limits;
    }();
    if (!(std::fabs(x) < kLimits[static_cast<std::size_t>(precision)])) return std::nullopt;
    const auto whole = static_cast<std::int64_t>(x);
    if (static_cast<long double>(whole) != x) return std::nullopt;
    return whole;
}

}  // namespace

std::string GeneralForm(long double x, int precision) {
    if (const char* special = NonFinite(x)) return special;
    precision = std::clamp(precision, 1, kMaxSignificantDigits);
    if (const auto whole = ShortWholeNumber(x, precision)) return std::to_string(*whole);
    const DecimalDigits d = ToDecimalDigits(x, precision);
    if (d.digits.empty()) return "0";
    if (d.exponent >= -3 && d.exponent <= precision) return Positional(d, x < 0);
    std::string text;
    if (x < 0) text += '-';
    text += d.digits.front();
    if (d.digits.size() > 1) text.append(1, '.').append(d.digits, 1);
    const int e = d.exponent - 1;
    text += 'E';
    if (e < 0) text += '-';
    return text.append(std::to_string(std::abs(e)));
}

std::string PositionalForm(long double x) {
    if (const char* special = NonFinite(x)) return special;
    const DecimalDigits d = ToDecimalDigits(x, 16);
    if (d.digits.empty()) return "0";
    return Positional(d, x < 0);
}

std::string GroupDigits(const ValueContext& ctx, std::string_view text) {
    if (ctx.rules.mode != CalcMode::Decimal || !ctx.rules.grouping ||
        text.find('E') != std::string_view::npos)
        return std::string(text);
    std::string plain(text);
    plain.erase(std::remove(plain.begin(), plain.end(), ','), plain.end());
    std::size_t intEnd = plain.find('.');
    if (intEnd == std::string::npos || intEnd == 0) intEnd = plain.size();
    std::size_t digitsStart = 0;
    while (digitsStart < intEnd && !IsDigit(plain[digitsStart])) ++digitsStart;

    std::string grouped = plain.substr(0, digitsStart);
    const std::size_t count = intEnd - digitsStart;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) grouped += ',';
        grouped += plain[digitsStart + i];
    }
    grouped += plain.substr(intEnd);
    if (TooWide(ctx.rules.geometry, grouped))
        return FallbackForm(ctx.rules.geometry, ParseValueText(ctx, plain).extended());
    return grouped;
}

std::string NegateValueText(const ValueContext& ctx, std::string_view text) {
    if (ctx.rules.mode == CalcMode::Date && StartsWith(text, 'c')) return std::string(text);
    std::string result(text);
    if (utf8::EraseFirst(result, "-")) return result;
    if (StartsWith(text, 'd') || StartsWith(text, 'h')) {
        const auto marker = text.substr(0, std::min<std::size_t>(2, text.size()));
        return std::string(marker) + "-" + std::string(text.substr(marker.size()));
    }
    return "-" + result;
}

bool IsZeroText(const ValueContext& ctx, std::string_view text) {
    switch (ctx.rules.mode) {
        case CalcMode::Decimal:
            return text == "0" || text == "-0";
        case CalcMode::Mixed: {
            const auto rest = utf8::DropFirst(text, 2);
            return rest == "0" || rest == "-0";
        }
        case CalcMode::Time:
        case CalcMode::Date: {
            const std::string bare = SplitUnitText(ctx, text, true, false).parts[kBareNumberSlot];
            if (bare.empty()) return true;
            if (bare.find('.') != std::string::npos) return false;
            const auto value = ReadDecimalReal(bare);
            return value && *value == 0;
        }
    }
    return false;
}

std::string EntryPrefixOf(const ValueContext& ctx, std::string_view text, bool allowDate) {
    if (text.empty() || text == "0") return "";
    if (text == "-0") return "-";
    if (text == "d 0") return "d ";
    if (text == "d -0") return "d -";
    if (text == "h 0") return "h ";
    if (text == "h -0") return "h -";
    if (allowDate && StartsWith(text, 'c')) return "c ";
    if (ctx.rules.mode == CalcMode::Mixed) return ctx.rules.radix == Radix::Hex ? "h " : "d ";
    return "";
}

std::string ZeroText(const ValueRules& rules) {
    if (rules.mode != CalcMode::Mixed) return "0";
    return rules.radix == Radix::Hex ? "h 0" : "d 0";
}

std::string FitTextToMode(const ValueContext& ctx, std::string_view text) {
    const auto has = [&](std::string_view unit) { return utf8::Contains(text, unit); };
    const CalcMode mode = ctx.rules.mode;
    bool accepted;
    if (StartsWith(text, 'c')) {
        accepted = mode == CalcMode::Date;
    } else if (StartsWith(text, 'd') || StartsWith(text, 'h')) {
        std::optional<std::string> formatted;
        try {
            formatted = FormatValue(ctx, ParseValueText(ctx, text));
        } catch (const ReportedFailure&) {
            return "";
        } catch (const CalcFailure& failure) {
            ctx.services.reporter.ReportMathException(failure);
            return "";
        }
        if (mode == CalcMode::Mixed) return std::string(text);
        return formatted.value_or(std::string());
    } else if (has("時") || has("分") || has("秒")) {
        accepted = mode == CalcMode::Time;
    } else if (has("年") || has("月")) {
        accepted = mode == CalcMode::Date;
    } else if (has("日")) {
        accepted = mode == CalcMode::Time || mode == CalcMode::Date;
    } else if (mode == CalcMode::Mixed) {
        // A decimal text ("1,234.5") becomes the mixed-mode value the keys
        // would make of it, written in decimal.
        ValueRules decimal = ctx.rules;
        decimal.radix = Radix::Decimal;
        try {
            return FormatValue({decimal, ctx.services}, ParseValueText(ctx, text)).value_or("");
        } catch (const ReportedFailure&) {
            return "";
        } catch (const CalcFailure& failure) {
            ctx.services.reporter.ReportMathException(failure);
            return "";
        }
    } else {
        return std::string(text);
    }
    if (accepted) return std::string(text);
    ctx.services.reporter.ReportCalcError("変換エラー");
    return "";
}

std::string TrimTrailingZeros(std::string_view text) {
    while (!text.empty() && text.back() == '0') text.remove_suffix(1);
    return std::string(text);
}

}  // namespace tavrik
