#include "settings/settings_file.h"

#include <system_error>
#include <utility>

#include "settings/settings_location.h"
#include "textfile/cp932.h"
#include "textfile/file_io.h"

namespace tavrik {

SettingsFile::SettingsFile(std::filesystem::path iniPath)
    : SettingsFile(iniPath, iniPath.parent_path() / kStarterFileName) {}

SettingsFile::SettingsFile(std::filesystem::path iniPath, std::filesystem::path starterPath)
    : path_(std::move(iniPath)), starterPath_(std::move(starterPath)) {}

std::optional<IniDocument> SettingsFile::ReadDocument() const {
    std::error_code error;
    if (!std::filesystem::exists(path_, error)) return IniDocument{};
    const auto bytes = ReadFileBytes(path_);
    if (!bytes) return std::nullopt;
    return IniDocument::Parse(cp932::Decode(*bytes));
}

bool SettingsFile::WriteDocument(const IniDocument& document) const {
    return WriteFileAtomically(path_, cp932::Encode(document.Text()));
}

bool SettingsFile::ReadCaptionFlag() const {
    return tavrik::ReadCaptionFlag(ReadDocument().value_or(IniDocument{}));
}

GlobalSettings SettingsFile::Load(const GlobalSettings& base) {
    std::error_code ignored;
    if (!std::filesystem::exists(path_, ignored)) {
        std::filesystem::copy_file(starterPath_, path_, std::filesystem::copy_options::none,
                                   ignored);
    }
    return LoadSettings(ReadDocument().value_or(IniDocument{}), base, writtenSections_);
}

bool SettingsFile::Save(GlobalSettings& settings) {
    std::optional<IniDocument> document = ReadDocument();
    if (!document) return false;
    std::vector<std::string> written = writtenSections_;
    std::vector<std::string> sectionList = settings.SectionList;
    SaveSettings(settings, *document, written);
    if (!WriteDocument(*document)) {
        settings.SectionList = std::move(sectionList);
        return false;
    }
    writtenSections_ = std::move(written);
    return true;
}

bool SettingsFile::SaveExitState(const ExitState& state) {
    std::optional<IniDocument> document = ReadDocument();
    if (!document) return false;
    tavrik::SaveExitState(state, *document);
    return WriteDocument(*document);
}

}  // namespace tavrik
