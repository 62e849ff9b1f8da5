#include "ui/platform/key_router.h"

#include <QKeyEvent>

#include "ui/platform/virtual_key.h"

namespace tavrik::ui {

namespace {

// Events made by a program rather than a keyboard carry no scan code.
constexpr quint32 kNoScanCode = 0;

int CodeOf(const QKeyEvent& event) {
    return VirtualKeyOf(static_cast<Qt::Key>(event.key()), event.modifiers());
}

bool IsVirtualKey(int code) {
    return code >= 0 && code < kVirtualKeyCount;
}

}  // namespace

unsigned KeyModifiersOf(const QKeyEvent& event) {
    unsigned modifiers = 0;
    if (event.modifiers() & Qt::ShiftModifier) modifiers |= kShiftKey;
    if (event.modifiers() & Qt::ControlModifier) modifiers |= kCtrlKey;
    if (event.modifiers() & Qt::AltModifier) modifiers |= kAltKey;
    return modifiers;
}

std::optional<KeyboardKey> KeyRouter::press(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return std::nullopt;
    const KeyboardKey key{CodeOf(event), KeyModifiersOf(event)};
    if (event.nativeScanCode() != kNoScanCode) codeByScanCode_[event.nativeScanCode()] = key.code;
    if (IsVirtualKey(key.code)) held_[static_cast<std::size_t>(key.code)] = key.modifiers;
    return key;
}

std::optional<KeyboardKey> KeyRouter::release(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return std::nullopt;
    const int code = releasedCode(event);
    if (code == 0 || !IsVirtualKey(code)) return std::nullopt;
    std::optional<unsigned>& held = held_[static_cast<std::size_t>(code)];
    if (!held) return std::nullopt;
    const KeyboardKey key{code, *held};
    held.reset();
    return key;
}

void KeyRouter::forget() {
    codeByScanCode_.clear();
    held_.fill(std::nullopt);
}

int KeyRouter::releasedCode(const QKeyEvent& event) {
    const auto found = codeByScanCode_.find(event.nativeScanCode());
    if (event.nativeScanCode() == kNoScanCode || found == codeByScanCode_.end())
        return CodeOf(event);
    const int code = found->second;
    codeByScanCode_.erase(found);
    return code;
}

}  // namespace tavrik::ui
