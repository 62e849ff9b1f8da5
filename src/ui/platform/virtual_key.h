// Windows virtual-key codes for Qt keys. The key table of Tavrik.ini is
// indexed by these codes, so a settings file keeps its meaning on every
// platform.
#pragma once

#include <Qt>

namespace tavrik::ui {

// The virtual-key code of the key (letters 65-90, digits 48-57, numeric
// keypad 96-111 when `modifiers` has Qt::KeypadModifier, F1-F24 112-135,
// editing and arrow keys, punctuation 186-192 and 219-222); 0 when none.
// Punctuation is mapped as on a US keyboard, or as on a Japanese (JIS)
// keyboard when the Shift state shows the character came from there ("=" with
// Shift is the JIS "-" key, 189; "@" without Shift the JIS "@" key, 192).
int VirtualKeyOf(Qt::Key key, Qt::KeyboardModifiers modifiers);

}  // namespace tavrik::ui
