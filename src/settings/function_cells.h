// Texts of the function-group grid of the settings dialog: a slot shows its
// code and title as "F#105 (title)", and stores the code read back from it.
#pragma once

#include <string>
#include <string_view>

#include "settings/function_codes.h"
#include "settings/settings_model.h"

namespace tavrik {

// "F#" + code + " (" + title + ")"; empty when the code has no title.
std::string FunctionSlotText(const GlobalSettings& settings, int code);
// An entry of the function list: "F#" + code, with " (" + title + ")" when titled.
std::string FunctionChoiceText(const GlobalSettings& settings, int code);
// The code of a slot text (the digits after "F#"); kNoFunction for an empty or unreadable text.
int FunctionSlotCode(std::string_view text);

}  // namespace tavrik
