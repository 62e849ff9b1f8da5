#include "ui/window/settings_source.h"

#include <filesystem>
#include <system_error>

#include "settings/settings_location.h"

namespace tavrik::ui {

// Found through the system rather than Qt, so that the settings file is known
// before the application object exists: its folder is part of the one-copy lock.
SettingsFile OpenStartupSettingsFile() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path exeDir = exe.parent_path();
    return SettingsFile(LocateSettingsFile(exeDir), LocateStarterFile(exeDir));
}

}  // namespace tavrik::ui
