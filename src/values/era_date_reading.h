// Dates written in a Japanese era: "令和6年5月3日", "令和元年5月1日",
// "R6.5.3", "H31.4.30" (letters M T S H R, separators . / -).
#pragma once

#include <optional>
#include <string_view>

#include "values/calendar.h"

namespace tavrik {

struct EraDateReading {
    std::optional<CivilDate> date;  // the Western date; empty when the date does not exist
    bool outsideEra = false;        // the date exists but lies outside its era
};

// Nothing when the text is no era date; no date when it does not exist or
// lies outside its era.
std::optional<EraDateReading> ReadEraDate(std::string_view text);

}  // namespace tavrik
