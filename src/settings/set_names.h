// Names of settings sets as the settings dialog gives them: checking a new
// name, choosing the name of an added set, and the limit on the number of sets.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

inline constexpr int kMaxSets = 10;
inline constexpr std::string_view kNewSetNamePrefix = "新規作成";

// The message that refuses `name` for the set now called `currentName`, or
// nothing when it may be used. `listed` are the names of the sets in the
// dialog, `sections` the set sections of the file; a name may differ from the
// set's own name in letter case only. A new name must come back from the file
// as it was entered: no blanks at either end, no control character, no "]"
// and nothing Shift-JIS cannot hold.
std::optional<std::string> SetNameFault(std::string_view name, std::string_view currentName,
                                        const std::vector<std::string>& listed,
                                        const std::vector<std::string>& sections);

// Whether one more set may be added.
bool CanAddSet(std::size_t setCount, std::size_t sectionCount);

// "新規作成" followed by the smallest number from 1 that names neither a
// listed set nor a section.
std::string NewSetName(const std::vector<std::string>& listed,
                       const std::vector<std::string>& sections);

}  // namespace tavrik
