// `set KEY=VALUE`: one settings key given as if the settings file held it.
#pragma once

#include <string_view>

#include "settings/settings_model.h"

namespace tavrik::cli {

// A key of [Tavrik] or of the set in slot `setIndex`; a key in both means the
// set's unless written "Tavrik.KEY". False when the key is unknown.
bool AssignSetting(GlobalSettings& settings, int setIndex, std::string_view key,
                   std::string_view value);

}  // namespace tavrik::cli
