// The name=value lines of one section, as read from the settings file.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "settings/ini_document.h"

namespace tavrik {

class ValueList {
  public:
    ValueList() = default;
    explicit ValueList(std::vector<IniEntry> entries);

    // The value of the first line with that name (letter case ignored), or null.
    const std::string* Find(std::string_view name) const;

  private:
    std::vector<IniEntry> entries_;
    std::unordered_map<std::string, std::size_t> firstByFoldedName_;
};

}  // namespace tavrik
