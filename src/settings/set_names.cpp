#include "settings/set_names.h"

#include <algorithm>

#include "settings/name_case.h"
#include "settings/settings_io.h"
#include "textfile/lost_characters.h"

namespace tavrik {

namespace {

constexpr std::string_view kBlanks = " \t";

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// The faults of a name the file would not give back as it is: the section
// header drops blanks at either end and ends the name at "]", and Shift-JIS
// loses what it cannot hold.
std::optional<std::string> StorageFault(std::string_view name) {
    if (kBlanks.find(name.front()) != std::string_view::npos ||
        kBlanks.find(name.back()) != std::string_view::npos)
        return "設定名称の先頭と末尾に空白は使用できません";
    if (std::any_of(name.begin(), name.end(), IsControl))
        return "設定名称に制御文字は使用できません";
    std::vector<std::string> refused = LostCharacters(name);
    if (name.find(']') != std::string_view::npos) refused.insert(refused.begin(), "]");
    if (refused.empty()) return std::nullopt;
    std::string listed;
    for (const std::string& character : refused) listed += character;
    return "設定名称に使用できない文字が含まれています：" + listed;
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& other) { return SameName(other, name); });
}

}  // namespace

std::optional<std::string> SetNameFault(std::string_view name, std::string_view currentName,
                                        const std::vector<std::string>& listed,
                                        const std::vector<std::string>& sections) {
    if (name.empty()) return "設定名称を入力してください";
    // A name loaded from the file is given back as it is.
    if (name != currentName) {
        if (auto fault = StorageFault(name)) return fault;
    }
    if (!SameName(name, currentName) && (Contains(listed, name) || Contains(sections, name)))
        return "設定名称が重複しています";
    if (IsReservedSectionName(name)) return "使用できない設定名称です";
    return std::nullopt;
}

bool CanAddSet(std::size_t setCount, std::size_t sectionCount) {
    return setCount < static_cast<std::size_t>(kMaxSets) &&
           sectionCount < static_cast<std::size_t>(kMaxSets);
}

std::string NewSetName(const std::vector<std::string>& listed,
                       const std::vector<std::string>& sections) {
    for (int n = 1;; ++n) {
        std::string name = std::string(kNewSetNamePrefix) + std::to_string(n);
        if (!Contains(listed, name) && !Contains(sections, name)) return name;
    }
}

}  // namespace tavrik
