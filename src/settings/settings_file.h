// Tavrik.ini on disk: loading with the starter copy, and saves that replace the
// file atomically so that a failed save leaves it as it was.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_io.h"
#include "settings/settings_model.h"

namespace tavrik {

class SettingsFile {
  public:
    // The starter file defaults to TavrikS.ini in the folder of `iniPath`.
    explicit SettingsFile(std::filesystem::path iniPath);
    SettingsFile(std::filesystem::path iniPath, std::filesystem::path starterPath);

    const std::filesystem::path& Path() const { return path_; }

    // `Caption` of [Tavrik], true when the file or the key is missing.
    bool ReadCaptionFlag() const;

    // Copies the starter file to a missing Tavrik.ini (never overwriting),
    // then reads the settings into a copy of `base`. A missing or unreadable
    // file gives the defaults.
    GlobalSettings Load(const GlobalSettings& base);

    // Rewrites the global keys and the sets; updates `settings.SectionList`.
    // False when the file could not be written (the caller shows
    // "ファイルが作成できませんでした"); the file and the lists are then unchanged.
    bool Save(GlobalSettings& settings);

    // Writes the window state keys; false when the file could not be written.
    bool SaveExitState(const ExitState& state);

    // Sections the next Save erases before writing the sets: the loaded sets,
    // then the sets the last Save wrote.
    const std::vector<std::string>& WrittenSections() const { return writtenSections_; }

  private:
    // Nothing when the file exists but cannot be read.
    std::optional<IniDocument> ReadDocument() const;
    bool WriteDocument(const IniDocument& document) const;

    std::filesystem::path path_;
    std::filesystem::path starterPath_;
    std::vector<std::string> writtenSections_;
};

}  // namespace tavrik
