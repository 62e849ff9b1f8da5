#include "values/era_date_reading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>

namespace tavrik {

namespace {

struct Era {
    std::string_view name;
    char letter;
    CivilDate first;  // the era's first day
};

// The eras the date information line names, first day of each.
constexpr std::array kEras = {
    Era{"明治", 'M', {1868, 9, 8}},   Era{"大正", 'T', {1912, 7, 30}},
    Era{"昭和", 'S', {1926, 12, 25}}, Era{"平成", 'H', {1989, 1, 8}},
    Era{"令和", 'R', {2019, 5, 1}},
};

constexpr std::string_view kFirstYear = "元";

bool Before(const CivilDate& a, const CivilDate& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

// Leading digits as a number (at most four), or for a year 元, the first.
std::optional<int> TakeNumber(std::string_view& s, bool year) {
    if (year && s.starts_with(kFirstYear)) {
        s.remove_prefix(kFirstYear.size());
        return 1;
    }
    int value = 0;
    const auto [end, ec] =
        std::from_chars(s.data(), s.data() + std::min<std::size_t>(s.size(), 4), value);
    if (ec != std::errc() || end == s.data() || s.front() == '-') return std::nullopt;
    s.remove_prefix(static_cast<std::size_t>(end - s.data()));
    return value;
}

bool TakeText(std::string_view& s, std::string_view text) {
    if (!s.starts_with(text)) return false;
    s.remove_prefix(text.size());
    return true;
}

// Year, month and day after the era: "6年5月3日" with kanji units, else
// "6.5.3" with one separator throughout.
std::optional<CivilDate> EraFields(std::string_view s, bool kanjiUnits) {
    const auto year = TakeNumber(s, true);
    if (!year) return std::nullopt;
    if (kanjiUnits) {
        const auto month = TakeText(s, "年") ? TakeNumber(s, false) : std::nullopt;
        const auto day = month && TakeText(s, "月") ? TakeNumber(s, false) : std::nullopt;
        if (!day || !TakeText(s, "日") || !s.empty()) return std::nullopt;
        return CivilDate{*year, *month, *day};
    }
    if (s.empty()) return std::nullopt;
    const char separator = s.front();
    if (separator != '.' && separator != '/' && separator != '-') return std::nullopt;
    s.remove_prefix(1);
    const auto month = TakeNumber(s, false);
    if (!month || !TakeText(s, std::string_view(&separator, 1))) return std::nullopt;
    const auto day = TakeNumber(s, false);
    if (!day || !s.empty()) return std::nullopt;
    return CivilDate{*year, *month, *day};
}

}  // namespace

std::optional<EraDateReading> ReadEraDate(std::string_view text) {
    for (std::size_t i = 0; i < kEras.size(); ++i) {
        const Era& era = kEras[i];
        std::string_view rest = text;
        const bool named = TakeText(rest, era.name);
        const bool lettered =
            !named && !rest.empty() &&
            (rest.front() == era.letter || rest.front() == era.letter - 'A' + 'a');
        if (!named && !lettered) continue;
        if (lettered) rest.remove_prefix(1);
        // Either form of the fields follows a name or a letter.
        auto fields = EraFields(rest, true);
        if (!fields) fields = EraFields(rest, false);
        if (!fields) return std::nullopt;
        CivilDate date = *fields;
        date.year += era.first.year - 1;
        if (fields->year < 1 || !DateValueOf(date)) return EraDateReading{};
        const bool beforeEra = Before(date, era.first);
        const bool afterEra = i + 1 < kEras.size() && !Before(date, kEras[i + 1].first);
        if (beforeEra || afterEra) return EraDateReading{std::nullopt, true};
        return EraDateReading{date, false};
    }
    return std::nullopt;
}

}  // namespace tavrik
