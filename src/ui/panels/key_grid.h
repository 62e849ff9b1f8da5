// The default grid of the key panel: where each of the 35 keys goes when the
// settings set places none of them itself.
#pragma once

#include <array>

#include "settings/key_codes.h"

namespace tavrik::ui {

struct KeyRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const KeyRect&) const = default;
};

struct KeyGrid {
    std::array<KeyRect, kKeySlots> keys;  // index = the key's tag 1..35; element 0 unused
    int width = 0;                        // of the inner key panel
    int height = 0;
};

// Cell width w = round(width of "税" × DigitsB / 10), cell height
// h = round((height of "税" + 4) × 1.3); g is PitchB.
int KeyCellWidth(int glyphWidth, int digitsB);
int KeyCellHeight(int glyphHeight);

KeyGrid DefaultKeyGrid(int w, int h, int g);

}  // namespace tavrik::ui
