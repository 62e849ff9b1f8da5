#include "ui/keyboard_keys.h"

#include <QKeyEvent>

#include "engine/calculator.h"
#include "ui/virtual_key.h"

namespace tavrik::ui {

KeyboardKey KeyboardKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    KeyboardKey result;
    result.code = VirtualKeyOf(static_cast<Qt::Key>(event.key()), modifiers);
    if (modifiers & Qt::ShiftModifier) result.modifiers |= kShiftKey;
    if (modifiers & Qt::ControlModifier) result.modifiers |= kCtrlKey;
    if (modifiers & Qt::AltModifier) result.modifiers |= kAltKey;
    return result;
}

}  // namespace tavrik::ui
