// The "設定読込" submenu: one radio item per loaded settings set.
#pragma once

#include <QMenu>
#include <functional>

#include "settings/settings_model.h"

namespace tavrik::ui {

// Refills `menu` with the sets 0 … LastSetIndex, captioned with the set's
// name and one space, the item of `current` checked; the menu is enabled only
// when it has items. Choosing an item calls `choose` with its index.
void FillSetMenu(QMenu& menu, const GlobalSettings& settings, int current,
                 const std::function<void(int)>& choose);

}  // namespace tavrik::ui
