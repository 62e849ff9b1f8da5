// What the on-screen keys show: caption, enabled state, underline and the
// code a click sends. The engine fills it per mode; the view draws it.
#pragma once

#include <array>
#include <string>

#include "settings/key_codes.h"

namespace tavrik {

struct KeyFace {
    std::string caption;
    int code = 0;  // the ButtonCode a click sends
    bool enabled = true;
    bool underlined = false;
    std::string description;  // what the key does now (KeyDescription)
};

// Index = the key's tag 1..35; element 0 unused.
using KeypadFace = std::array<KeyFace, kKeySlots>;

// The keys with their design captions, each sending its own tag.
KeypadFace DesignKeypad();

}  // namespace tavrik
