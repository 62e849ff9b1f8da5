// Reading typed values from a section's name=value list. Each reader returns
// the default when the key is missing, its value is empty, or the value does
// not convert to the key's type. Also the texts keys and flags are written as.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_model.h"
#include "settings/value_list.h"

namespace tavrik {

// A number ("." allowed) truncated toward zero; nothing unless it fits 32 bits.
std::optional<int> ParseIntValue(std::string_view text);

// A number (non-zero is true) or "True"/"False" in any letter case.
std::optional<bool> ParseBoolValue(std::string_view text);

std::string ReadTextValue(const ValueList& values, std::string_view key,
                          const std::string& defaultValue);
int ReadIntValue(const ValueList& values, std::string_view key, int defaultValue);
bool ReadBoolValue(const ValueList& values, std::string_view key, bool defaultValue);
Color ReadColorValue(const ValueList& values, std::string_view key, Color defaultValue);
// The first character of the value; a value that is empty or starts with a
// non-ASCII character takes the default, since a mode is one ASCII letter.
char ReadLetterValue(const ValueList& values, std::string_view key, char defaultValue);

// "1" or "0".
std::string BoolText(bool value);
// A key of a numbered series: "FT" and 41 give "FT41".
std::string NumberedKey(std::string_view prefix, int number);

}  // namespace tavrik
