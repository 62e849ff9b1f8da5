// The "関数" menu as plain data: one radio item per function group that has
// at least one titled function, and the selection of a group for keys A … F.
#pragma once

#include <string>
#include <vector>

#include "settings/settings_model.h"
#include "values/value_context.h"

namespace tavrik {

struct FunctionMenuItem {
    std::string caption;  // the group name and one blank
    int tag = 0;          // group number - 1, the function key row
    bool checked = false;
};

struct FunctionMenu {
    std::vector<FunctionMenuItem> items;
    bool enabled = false;  // only with at least one item

    // The tag of the checked item; -1 when none is checked.
    int checkedTag() const;
};

// The menu is shown only in decimal mode.
inline bool FunctionMenuVisible(CalcMode mode) {
    return mode == CalcMode::Decimal;
}

// The menu refilled from the groups; the group checked in `current` stays checked.
FunctionMenu RebuildFunctionMenu(const GlobalSettings& settings, const FunctionMenu& current);

// A click on the item with `tag`: in `mode` decimal, unless it is checked
// already, checks it. True when it did: keys A … F then follow its group.
bool CheckFunctionGroup(FunctionMenu& menu, CalcMode mode, int tag);

}  // namespace tavrik
