#include "settings/settings_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace tavrik {
namespace {

std::filesystem::path ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && std::filesystem::path(xdg).is_absolute()) return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home) return std::filesystem::path(home) / ".config";
    return {};
}

}  // namespace

std::filesystem::path LocateSettingsFile(const std::filesystem::path& exeDir) {
    if (::access(exeDir.c_str(), W_OK) == 0) return exeDir / kSettingsFileName;
    const std::filesystem::path folder = ConfigHome() / "tavrik";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder / kSettingsFileName;
}

std::filesystem::path LocateStarterFile(const std::filesystem::path& exeDir) {
    const std::filesystem::path beside = exeDir / kStarterFileName;
    std::error_code ignored;
    if (std::filesystem::exists(beside, ignored)) return beside;
    return std::filesystem::path(TAVRIK_DATADIR) / kStarterFileName;
}

}  // namespace tavrik
