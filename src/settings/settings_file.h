// Tavrik.ini on disk: loading with the starter copy, and saves that replace the
// file atomically so that a failed save leaves it as it was.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_io.h"
#include "settings/settings_model.h"
#include "textfile/file_io.h"
#include "textfile/shift_jis_text.h"

namespace tavrik {

// The largest settings file read: a hundred times a file with every key of
// ten sets, yet a bound for a file that is not one.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{4} << 20;

class SettingsFile {
  public:
    // The starter file defaults to TavrikS.ini in the folder of `iniPath`.
    // An empty `iniPath` (no folder for the settings) gives the defaults, is
    // reported at Load and is never written.
    explicit SettingsFile(std::filesystem::path iniPath);
    SettingsFile(std::filesystem::path iniPath, std::filesystem::path starterPath);

    const std::filesystem::path& Path() const { return path_; }

    // `Caption` of [Tavrik], true when the file or the key is missing.
    bool ReadCaptionFlag() const;

    // Copies the starter file to a missing Tavrik.ini (never overwriting, and
    // never leaving a partial copy), then reads the settings into a copy of
    // `base`. A missing or unusable file gives the defaults; LoadProblem then
    // tells why, and an existing file that could not be used is never written.
    GlobalSettings Load(const GlobalSettings& base);

    // The message to show after Load; empty when nothing went wrong.
    const std::string& LoadProblem() const { return loadProblem_; }

    // Rewrites the global keys and the sets; updates `settings.SectionList`.
    // False when the file could not be written or must not be (read-only, not
    // a regular file, or unusable at Load); the caller shows
    // "ファイルが作成できませんでした". The file and the lists are then unchanged.
    bool Save(GlobalSettings& settings);

    // The characters that Save(settings) would turn into "?" because Shift-JIS
    // cannot hold them (see LostCharacters); empty when it would keep them all.
    std::vector<std::string> LostCharacters(const GlobalSettings& settings) const;

    // Writes the window state keys; false when the file could not be written.
    // A file that no longer holds any section (deleted or emptied since Load)
    // starts again from the starter file, when there is one, rather than
    // becoming a file of these keys alone.
    bool SaveExitState(const ExitState& state);
    // Writes the sets' zooms changed since they were read; false as above.
    bool SaveSetZooms(const GlobalSettings& settings);

    // Sections the next Save erases before writing the sets: the loaded sets,
    // then the sets the last Save wrote.
    const std::vector<std::string>& WrittenSections() const { return writtenSections_; }

  private:
    struct Contents {
        IniDocument document;
        ShiftJisText source;
        FileFailure failure = FileFailure::None;
    };

    // An empty document when the file is missing.
    Contents Read() const;
    static Contents Parse(const FileRead& read);
    // The file's contents, or the starter's when the file holds no section.
    Contents ReadOrStarter() const;
    bool Write(const Contents& contents) const;
    // False, with LoadProblem set, when the starter exists but was not copied.
    bool CopyStarter(bool overEmptyFile);

    std::filesystem::path path_;
    std::filesystem::path starterPath_;
    std::vector<std::string> writtenSections_;
    std::string loadProblem_;
    bool unusable_ = false;  // the file exists but could not be read at Load
};

}  // namespace tavrik
