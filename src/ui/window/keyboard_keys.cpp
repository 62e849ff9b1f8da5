#include "ui/window/keyboard_keys.h"

#include <QKeyEvent>

#include "engine/calculator.h"
#include "ui/window/virtual_key.h"

namespace tavrik::ui {

namespace {

// Events made by a program rather than a keyboard carry no scan code.
constexpr quint32 kNoScanCode = 0;

int CodeOf(const QKeyEvent& event) {
    return VirtualKeyOf(static_cast<Qt::Key>(event.key()), event.modifiers());
}

}  // namespace

KeyboardKey KeyboardKeys::pressed(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    KeyboardKey result;
    result.code = CodeOf(event);
    if (modifiers & Qt::ShiftModifier) result.modifiers |= kShiftKey;
    if (modifiers & Qt::ControlModifier) result.modifiers |= kCtrlKey;
    if (modifiers & Qt::AltModifier) result.modifiers |= kAltKey;
    if (event.nativeScanCode() != kNoScanCode) held_[event.nativeScanCode()] = result.code;
    return result;
}

int KeyboardKeys::released(const QKeyEvent& event) {
    const auto found = held_.find(event.nativeScanCode());
    if (event.nativeScanCode() == kNoScanCode || found == held_.end()) return CodeOf(event);
    const int code = found->second;
    held_.erase(found);
    return code;
}

}  // namespace tavrik::ui
