#include "settings/value_list.h"

#include "settings/name_case.h"

namespace tavrik {

ValueList::ValueList(std::vector<IniEntry> entries) : entries_(std::move(entries)) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        firstByFoldedName_.try_emplace(FoldCase(entries_[i].name), i);
    }
}

const std::string* ValueList::Find(std::string_view name) const {
    const auto found = firstByFoldedName_.find(FoldCase(name));
    return found == firstByFoldedName_.end() ? nullptr : &entries_[found->second].value;
}

}  // namespace tavrik
