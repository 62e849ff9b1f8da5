// Where Tavrik.ini lives: beside the executable when that folder is writable,
// otherwise in the user's configuration folder.
#pragma once

#include <filesystem>

namespace tavrik {

inline constexpr const char* kSettingsFileName = "Tavrik.ini";
inline constexpr const char* kStarterFileName = "TavrikS.ini";

// exeDir/Tavrik.ini when exeDir is writable; otherwise
// $XDG_CONFIG_HOME/tavrik/Tavrik.ini (~/.config/tavrik/ when the variable is
// unset), creating that folder.
std::filesystem::path LocateSettingsFile(const std::filesystem::path& exeDir);

// The starter file copied to a missing Tavrik.ini: exeDir/TavrikS.ini when
// present, otherwise the one in the installed data folder.
std::filesystem::path LocateStarterFile(const std::filesystem::path& exeDir);

}  // namespace tavrik
