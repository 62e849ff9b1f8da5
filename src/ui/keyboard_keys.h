// Keyboard events as the calculator takes them: a Windows virtual-key code
// and the Shift, Ctrl and Alt modifiers.
#pragma once

class QKeyEvent;

namespace tavrik::ui {

struct KeyboardKey {
    int code = 0;  // 0 when the key has no code
    unsigned modifiers = 0;
};

KeyboardKey KeyboardKeyOf(const QKeyEvent& event);

}  // namespace tavrik::ui
