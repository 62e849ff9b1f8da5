// Where Tavrik.ini lives: beside the executable when that folder is writable
// and not an installed program folder, otherwise in the user's configuration
// folder.
#pragma once

#include <filesystem>

namespace tavrik {

inline constexpr const char* kSettingsFileName = "Tavrik.ini";
inline constexpr const char* kStarterFileName = "TavrikS.ini";

// The installed data folder (share/tavrik), found relative to exeDir so that
// a relocated installation finds its own files.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& exeDir);

// exeDir/Tavrik.ini when that file exists in a writable exeDir, or when exeDir
// is writable and not an installed program folder (one whose starter file
// lies in the installed data folder rather than beside it). Otherwise
// $XDG_CONFIG_HOME/tavrik/Tavrik.ini (~/.config/tavrik/ when the variable is
// unset), creating that folder. Empty when neither XDG_CONFIG_HOME nor HOME
// names an absolute folder: there is then no place for the settings.
std::filesystem::path LocateSettingsFile(const std::filesystem::path& exeDir);

// The starter file copied to a missing Tavrik.ini: exeDir/TavrikS.ini when
// present, otherwise the one in the installed data folder.
std::filesystem::path LocateStarterFile(const std::filesystem::path& exeDir);

}  // namespace tavrik
