#include "settings/set_names.h"

#include <algorithm>

#include "settings/name_case.h"
#include "settings/settings_io.h"

namespace tavrik {

namespace {

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& other) { return SameName(other, name); });
}

}  // namespace

std::optional<std::string> SetNameFault(std::string_view name, std::string_view currentName,
                                        const std::vector<std::string>& listed,
                                        const std::vector<std::string>& sections) {
    if (name.empty()) return "設定名称を入力してください";
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
