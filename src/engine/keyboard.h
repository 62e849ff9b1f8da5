// Keyboard keys as the engine takes them: a Windows virtual-key code and the
// modifiers held with it, looked up in the key table. Pairing a key's press
// with its release is the front end's keyboard handling.
#pragma once

#include "settings/key_assignment.h"
#include "settings/settings_model.h"
#include "values/value_context.h"

namespace tavrik {

// Modifier keys held with a keyboard key.
enum KeyModifier : unsigned { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };
// Virtual-key codes run from 0 to 255.
inline constexpr int kVirtualKeyCount = 256;

// The code the key table assigns a keyboard key in `mode`: the Ctrl entry
// when Ctrl is held, else the Shift entry when Shift is held, else the plain
// entry, each only when it holds four characters (one per mode); 0 when the
// key names no key there.
int KeyTableCode(const KeyTable& keys, CalcMode mode, int virtualKey, unsigned modifiers);

}  // namespace tavrik
