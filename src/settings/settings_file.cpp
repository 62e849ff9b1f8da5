#include "settings/settings_file.h"

#include <system_error>
#include <utility>

#include "settings/settings_location.h"
#include "textfile/cp932.h"
#include "textfile/file_io.h"

namespace tavrik {
namespace {

constexpr const char* kNoSettingsFolder =
    "設定ファイルの場所がありません（HOME または XDG_CONFIG_HOME を絶対パスで設定してください）。\n"
    "既定の設定で続けます。設定は保存されません。";

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path iniPath)
    : SettingsFile(iniPath, iniPath.parent_path() / kStarterFileName) {}

SettingsFile::SettingsFile(std::filesystem::path iniPath, std::filesystem::path starterPath)
    : path_(std::move(iniPath)), starterPath_(std::move(starterPath)) {}

SettingsFile::Contents SettingsFile::Read() const {
    std::error_code error;
    if (!std::filesystem::exists(path_, error)) return {};
    FileRead read = ReadFile(path_, kMaxSettingsFileBytes);
    return Parse(read);
}

SettingsFile::Contents SettingsFile::Parse(const FileRead& read) {
    if (!read.ok()) return {{}, {}, read.failure};
    std::optional<ShiftJisText> source = ShiftJisText::Decode(read.bytes);
    if (!source) return {{}, {}, FileFailure::NotConverted};
    IniDocument document = IniDocument::Parse(source->text());
    return {std::move(document), std::move(*source), FileFailure::None};
}

SettingsFile::Contents SettingsFile::ReadOrStarter() const {
    Contents contents = Read();
    if (contents.failure != FileFailure::None || !contents.document.SectionNames().empty())
        return contents;
    std::error_code error;
    if (!std::filesystem::exists(starterPath_, error)) return contents;
    Contents starter = Parse(ReadFile(starterPath_, kMaxSettingsFileBytes));
    return starter.failure == FileFailure::None ? std::move(starter) : std::move(contents);
}

bool SettingsFile::Write(const Contents& contents) const {
    const std::optional<std::string> bytes = contents.source.Encode(contents.document.Text());
    return bytes && WriteFileAtomically(path_, *bytes);
}

bool SettingsFile::ReadCaptionFlag() const {
    return tavrik::ReadCaptionFlag(Read().document);
}

bool SettingsFile::CopyStarter(bool overEmptyFile) {
    std::error_code error;
    // A missing starter is no fault: every value then takes its default.
    if (!std::filesystem::exists(starterPath_, error)) return true;
    const FileRead starter = ReadFile(starterPath_, kMaxSettingsFileBytes);
    const auto write = overEmptyFile ? WriteFileAtomically : CreateFileAtomically;
    if (starter.ok() && write(path_, starter.bytes)) return true;
    // Another instance may have created the file meanwhile.
    if (std::filesystem::exists(path_, error)) return true;
    loadProblem_ = "ファイルが作成できませんでした\n" + path_.string() + "\n既定の設定で続けます。";
    return false;
}

GlobalSettings SettingsFile::Load(const GlobalSettings& base) {
    loadProblem_.clear();
    unusable_ = path_.empty();
    if (unusable_) {
        loadProblem_ = kNoSettingsFolder;
        return LoadSettings(IniDocument{}, base, writtenSections_);
    }
    std::error_code ignored;
    if (!std::filesystem::exists(path_, ignored) && !CopyStarter(false))
        return LoadSettings(IniDocument{}, base, writtenSections_);
    Contents contents = Read();
    // A file without a section, an empty one above all, is taken as a missing
    // one, as a save takes it: the starter takes its place.
    if (contents.failure == FileFailure::None && contents.document.SectionNames().empty() &&
        CopyStarter(true))
        contents = Read();
    if (contents.failure != FileFailure::None) {
        unusable_ = true;
        loadProblem_ = path_.string() + "\n" + std::string(ReadFailureMessage(contents.failure)) +
                       "\n既定の設定で続けます。このファイルには書き込みません。";
    }
    return LoadSettings(contents.document, base, writtenSections_);
}

bool SettingsFile::Save(GlobalSettings& settings) {
    if (unusable_) return false;
    Contents contents = Read();
    if (contents.failure != FileFailure::None) return false;
    std::vector<std::string> written = writtenSections_;
    std::vector<std::string> sectionList = settings.SectionList;
    SaveSettings(settings, contents.document, written);
    if (!Write(contents)) {
        settings.SectionList = std::move(sectionList);
        return false;
    }
    writtenSections_ = std::move(written);
    return true;
}

std::vector<std::string> SettingsFile::LostCharacters(const GlobalSettings& settings) const {
    if (unusable_) return {};
    Contents contents = Read();
    if (contents.failure != FileFailure::None) return {};
    GlobalSettings saved = settings;
    std::vector<std::string> written = writtenSections_;
    SaveSettings(saved, contents.document, written);
    return contents.source.LostCharacters(contents.document.Text());
}

bool SettingsFile::SaveSetZooms(const GlobalSettings& settings) {
    if (unusable_) return false;
    Contents contents = Read();
    if (contents.failure != FileFailure::None) return false;
    tavrik::SaveSetZooms(settings, contents.document);
    return Write(contents);
}

bool SettingsFile::SaveExitState(const ExitState& state) {
    if (unusable_) return false;
    Contents contents = ReadOrStarter();
    if (contents.failure != FileFailure::None) return false;
    tavrik::SaveExitState(state, contents.document);
    return Write(contents);
}

}  // namespace tavrik
