// Reading typed values from a section's name=value list. Each reader returns
// the default when the key is missing, its value is empty, or the value does
// not convert to the key's type.
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

}  // namespace tavrik
