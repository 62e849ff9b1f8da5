// Keyboard keys: a key counts when it is released after its own key-down; the
// modifiers held at that key-down choose its key-table entry, which names a
// key character per mode.
#include "engine/button_codes.h"
#include "engine/calculator.h"
#include "values/utf8.h"

namespace tavrik {

void Calculator::keyDown(int virtualKey, unsigned modifiers) {
    keyDownKey_ = virtualKey;
    keyDownModifiers_ = modifiers;
}

void Calculator::forgetKeyDown() {
    keyDownKey_ = -1;
    keyDownModifiers_ = 0;
}

void Calculator::keyUp(int virtualKey) {
    // The release of another key, a modifier let go first among them, leaves
    // the pressed key waiting for its own release.
    if (virtualKey != keyDownKey_) return;
    // Taken before the key acts: a box it opens may be closed with the same
    // key, and that release must find nothing to pair with.
    const unsigned modifiers = keyDownModifiers_;
    forgetKeyDown();
    if (virtualKey < 0 || virtualKey > 255) return;
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
    const int code = CodeOfKeyChar(modeChar.front());
    if (code > 0) PushBBtn(code);
}

}  // namespace tavrik
