// Arbitrary bytes as an INI file: reading must never fail, and writing must
// behave as reading expects.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/cp932.h"
#include "settings/ini_document.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tavrik::IniDocument;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> decoded = tavrik::cp932::Decode(bytes);
    Require(decoded.has_value());
    IniDocument document = IniDocument::Parse(*decoded);

    const std::string text = document.Text();
    Require(IniDocument::Parse(text).Text() == text);
    Require(!tavrik::cp932::Encode(text).empty() || text.empty());

    const auto sections = document.SectionNames();
    for (const std::string& section : sections) {
        for (const auto& entry : document.ReadSection(section)) {
            Require(document.Read(section, entry.name).has_value());
        }
    }

    const std::string section = sections.empty() ? "Tavrik" : sections.back();
    const std::string key = "Key" + std::to_string(size % 7);
    document.Write(section, key, "値=1");
    Require(document.Read(section, key) == "値=1");
    document.DeleteKey(section, key);
    Require(!document.Read(section, key).has_value());
    document.Write("新しい区間", key, "x");
    Require(document.Read("新しい区間", key) == "x");
    document.EraseSection(section);
    Require(document.ReadSection(section).empty());
    return 0;
}
