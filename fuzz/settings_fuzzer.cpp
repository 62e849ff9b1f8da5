// Arbitrary bytes as Tavrik.ini: loading must give settings within their
// ranges, and saving them back must work on whatever the file held.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/cp932.h"
#include "settings/settings_io.h"
#include "values/utf8.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckRanges(const tavrik::GlobalSettings& settings) {
    Require(settings.LastSetIndex >= -1 && settings.LastSetIndex <= 9);
    for (int code : settings.F) Require(code >= 100 && code <= 200);
    for (int key = 48; key <= 57; ++key) Require(!settings.Keys[key].empty());
    Require(settings.FT[0].empty());
    Require(settings.SetTable[tavrik::kDefaultSetSlot] == tavrik::SettingsSet{});
    for (const tavrik::SettingsSet& set : settings.SetTable) {
        Require(tavrik::utf8::Length(set.SBA) >= 2);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> text = tavrik::cp932::Decode(bytes);
    Require(text.has_value());
    tavrik::IniDocument file = tavrik::IniDocument::Parse(*text);
    (void)tavrik::ReadCaptionFlag(file);

    std::vector<std::string> written;
    tavrik::GlobalSettings settings = tavrik::LoadSettings(file, tavrik::GlobalSettings{}, written);
    CheckRanges(settings);

    tavrik::SaveSettings(settings, file, written);
    tavrik::SaveExitState({settings.Mode, settings.Trans, 1, 2, 3, 4}, file);
    const std::string saved = tavrik::cp932::Encode(file.Text());

    std::vector<std::string> rewritten;
    const tavrik::GlobalSettings reloaded = tavrik::LoadSettings(
        tavrik::IniDocument::Parse(tavrik::cp932::Decode(saved).value_or("")), settings, rewritten);
    CheckRanges(reloaded);
    return 0;
}
