// Section and key names of the settings file are compared without regard to
// letter case, full-width letters included.
#pragma once

#include <string>
#include <string_view>

namespace tavrik {

// The case-folded form of a UTF-8 name; two names match when their folded forms are equal.
std::string FoldCase(std::string_view name);

// Equal names match without folding, which non-ASCII names would need ICU's
// case data for.
inline bool SameName(std::string_view a, std::string_view b) {
    return a == b || FoldCase(a) == FoldCase(b);
}

}  // namespace tavrik
