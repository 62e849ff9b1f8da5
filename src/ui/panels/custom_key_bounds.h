// Keys placed one by one from the set's `BoundsB1` … `BoundsB35` entries:
// "left,top,width,height,colour". Once any entry is given, the default grid
// is off and a key without a usable entry disappears.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "settings/settings_model.h"
#include "ui/panels/key_grid.h"

namespace tavrik::ui {

struct CustomKey {
    KeyRect rect;
    bool placed = false;         // false: hidden and disabled
    std::optional<Color> color;  // font colour; nothing: the panel's
};

struct CustomKeyLayout {
    std::array<CustomKey, kKeySlots> keys;  // index = tag 1..35
    int width = 0;                          // of the inner key panel: largest right edge + pitch
    int height = 0;
};

// Nothing when every entry is empty (the default grid applies).
std::optional<CustomKeyLayout> CustomKeyBounds(const std::array<std::string, kKeySlots>& bounds,
                                               int pitch);

}  // namespace tavrik::ui
