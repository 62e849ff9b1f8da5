#include "settings/settings_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace tavrik {
namespace {

// Empty when neither variable names an absolute folder: a relative one would
// put the settings wherever the program happens to be started.
std::filesystem::path ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && std::filesystem::path(xdg).is_absolute()) return xdg;
    const char* home = std::getenv("HOME");
    if (home && std::filesystem::path(home).is_absolute())
        return std::filesystem::path(home) / ".config";
    return {};
}

bool Exists(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

// An installed program takes its starter from the data folder; a build tree or
// a self-contained folder keeps it beside the executable.
bool IsInstalledProgramFolder(const std::filesystem::path& exeDir) {
    return !Exists(exeDir / kStarterFileName) &&
           Exists(InstalledDataFolder(exeDir) / kStarterFileName);
}

}  // namespace

std::filesystem::path InstalledDataFolder(const std::filesystem::path& exeDir) {
    return (exeDir / TAVRIK_DATADIR_FROM_BINDIR).lexically_normal();
}

std::filesystem::path LocateSettingsFile(const std::filesystem::path& exeDir) {
    const std::filesystem::path beside = exeDir / kSettingsFileName;
    if (::access(exeDir.c_str(), W_OK) == 0 &&
        (Exists(beside) || !IsInstalledProgramFolder(exeDir)))
        return beside;
    const std::filesystem::path configHome = ConfigHome();
    if (configHome.empty()) return {};
    const std::filesystem::path folder = configHome / "tavrik";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder / kSettingsFileName;
}

std::filesystem::path LocateStarterFile(const std::filesystem::path& exeDir) {
    const std::filesystem::path beside = exeDir / kStarterFileName;
    if (Exists(beside)) return beside;
    return InstalledDataFolder(exeDir) / kStarterFileName;
}

}  // namespace tavrik
