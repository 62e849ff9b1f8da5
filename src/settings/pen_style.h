// Grid line styles as stored in the settings file ("psSolid" … "psInsideFrame").
#pragma once

#include <string_view>

#include "settings/settings_model.h"

namespace tavrik {

std::string_view PenStyleName(PenStyle style);

// Matches by case-sensitive substring, first match wins: "InsideFrame",
// "Clear", "DashDotDot", "DashDot", "Dot", "Dash"; anything else is solid.
PenStyle ParsePenStyle(std::string_view text);

}  // namespace tavrik
