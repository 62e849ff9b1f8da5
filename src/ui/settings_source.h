// Where the desktop application gets its settings at start-up.
#pragma once

#include "settings/settings_model.h"

namespace tavrik::ui {

// Tavrik.ini as found beside the executable (or in the user's configuration
// folder), with the starter copy for a missing file; defaults when unreadable.
GlobalSettings LoadStartupSettings();

}  // namespace tavrik::ui
