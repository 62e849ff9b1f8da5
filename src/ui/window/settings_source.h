// Where the desktop application gets its settings file.
#pragma once

#include "settings/settings_file.h"

namespace tavrik::ui {

// Tavrik.ini beside the executable (or in the user's configuration folder),
// with the starter file that fills it when it is missing.
SettingsFile OpenStartupSettingsFile();

}  // namespace tavrik::ui
