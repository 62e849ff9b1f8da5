// Settings holding two named sets, the first in force; a test shapes the
// second to see what choosing it changes.
#pragma once

#include <string>
#include <utility>

#include "settings/settings_model.h"

namespace tavrik {

inline GlobalSettings TwoSets(const std::string& first, const std::string& second) {
    GlobalSettings settings;
    settings.SectionList = {first, second};
    settings.LastSetIndex = 1;
    settings.Set = first;
    settings.SetTable[0].name = first;
    settings.SetTable[1].name = second;
    return settings;
}

}  // namespace tavrik
