#include "values/japanese_era.h"

#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <cctype>
#include <memory>

namespace tavrik {

namespace {

constexpr double kFirstEraDate = -11435;  // 1868-09-08
constexpr double kEndEraDate = 68668;     // 2088-01-01
constexpr double kUnixEpochDate = 25569;  // 1970-01-01
constexpr double kMillisecondsPerDay = 86400000.0;

// Era name followed by the year in the era, read in universal time so that
// the date value's midnight falls on its own day.
const icu::SimpleDateFormat* EraFormat() {
    static const std::unique_ptr<icu::SimpleDateFormat> format = [] {
        UErrorCode status = U_ZERO_ERROR;
        auto created = std::make_unique<icu::SimpleDateFormat>(
            icu::UnicodeString(u"Gy"), icu::Locale("ja_JP@calendar=japanese"), status);
        if (U_FAILURE(status)) return std::unique_ptr<icu::SimpleDateFormat>();
        created->setTimeZone(*icu::TimeZone::getGMT());
        return created;
    }();
    return format.get();
}

}  // namespace

std::string JapaneseEraText(double dateValue) {
    const icu::SimpleDateFormat* format = EraFormat();
    if (dateValue < kFirstEraDate || dateValue >= kEndEraDate || format == nullptr) return {};
    icu::UnicodeString text;
    format->format((dateValue - kUnixEpochDate) * kMillisecondsPerDay, text);
    std::string utf8;
    return text.toUTF8String(utf8);
}

std::string GannenForm(std::string eraText) {
    const bool firstYear = eraText.size() >= 2 && eraText.back() == '1' &&
                           !std::isdigit(static_cast<unsigned char>(eraText[eraText.size() - 2]));
    if (firstYear) eraText.replace(eraText.size() - 1, 1, "元");
    return eraText;
}

}  // namespace tavrik
