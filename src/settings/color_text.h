// Text form of colour values in the settings file: a colour identifier such as
// "clBtnShadow" when the colour has one, otherwise "$" and 8 hex digits.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings_model.h"

namespace tavrik {

struct NamedColor {
    std::string_view name;
    Color color;
};

// The colour identifiers, in the standard order.
std::span<const NamedColor> NamedColors();

std::string ColorText(Color color);

// An identifier (letter case ignored), a decimal integer or "$"-prefixed hex;
// nothing when the text is none of these or does not fit 32 bits.
std::optional<Color> ParseColor(std::string_view text);

}  // namespace tavrik
