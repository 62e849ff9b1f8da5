// Keyboard keys: a key counts when it is released after its own key-down; the
// modifiers held at that key-down choose its key-table entry, which names a
// key character per mode.
#include "engine/button_codes.h"
#include "engine/calculator.h"
#include "values/utf8.h"

namespace tavrik {

namespace {

bool IsVirtualKey(int virtualKey) {
    return virtualKey >= 0 && virtualKey < kVirtualKeyCount;
}

}  // namespace

void Calculator::keyDown(int virtualKey, unsigned modifiers) {
    if (IsVirtualKey(virtualKey)) heldKeys_[static_cast<std::size_t>(virtualKey)] = modifiers;
}

void Calculator::forgetKeyDown() {
    heldKeys_.fill(std::nullopt);
}

void Calculator::keyUp(int virtualKey) {
    // Only a key released after its own key-down counts; the release of
    // another key, a modifier let go first among them, leaves the pressed
    // keys waiting for their own releases.
    if (!IsVirtualKey(virtualKey)) return;
    std::optional<unsigned>& held = heldKeys_[static_cast<std::size_t>(virtualKey)];
    if (!held) return;
    // Taken before the key acts: a box it opens may be closed with the same
    // key, and that release must find nothing to pair with.
    const unsigned modifiers = *held;
    held.reset();
    const auto& keys = settings_.Keys;
    const auto usable = [&](int index) {
        return index >= 0 && index < kKeyTableSize &&
               utf8::Length(keys[static_cast<std::size_t>(index)]) == 4;
    };
    int entry = -1;
    if ((modifiers & kCtrlKey) && usable(kCtrlKeyOffset + virtualKey))
        entry = kCtrlKeyOffset + virtualKey;
    else if ((modifiers & kShiftKey) && usable(kShiftKeyOffset + virtualKey))
        entry = kShiftKeyOffset + virtualKey;
    else if (usable(virtualKey))
        entry = virtualKey;
    if (entry < 0) return;
    const std::string& text = keys[static_cast<std::size_t>(entry)];
    // Four characters, one per mode; only single-byte characters name a key.
    const std::string_view modeChar =
        utf8::DropFirst(text, static_cast<std::size_t>(ModeIndex(mode())));
    if (modeChar.empty()) return;
    const int code = CodeOfKeyTableChar(modeChar.front());
    if (code == kPaste)
        pasteClipboard();
    else if (code > 0)
        PushBBtn(code);
}

}  // namespace tavrik
