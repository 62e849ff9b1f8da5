// The Japanese era of a date, from ICU's Japanese calendar.
#pragma once

#include <string>

namespace tavrik {

// Era name and year within the era ('令和6', '平成1') for date values from
// 1868-09-08 up to but excluding 2088-01-01; empty outside that range.
std::string JapaneseEraText(double dateValue);

// The era text with its first year written 元 ('令和1' → '令和元').
std::string GannenForm(std::string eraText);

}  // namespace tavrik
