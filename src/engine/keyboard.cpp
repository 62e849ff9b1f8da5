// Keyboard keys: the modifiers held with a key choose its key-table entry,
// which names a key character per mode.
#include "engine/keyboard.h"

#include "engine/calculator.h"
#include "settings/key_codes.h"
#include "values/utf8.h"

namespace tavrik {

int KeyTableCode(const KeyTable& keys, CalcMode mode, int virtualKey, unsigned modifiers) {
    if (virtualKey < 0 || virtualKey >= kVirtualKeyCount) return 0;
    const auto usable = [&](int index) {
        return index >= 0 && index < kKeyTableSize &&
               utf8::Length(keys[static_cast<std::size_t>(index)]) == kModeColumns;
    };
    int entry = -1;
    if ((modifiers & kCtrlKey) && usable(kCtrlKeyOffset + virtualKey))
        entry = kCtrlKeyOffset + virtualKey;
    else if ((modifiers & kShiftKey) && usable(kShiftKeyOffset + virtualKey))
        entry = kShiftKeyOffset + virtualKey;
    else if (usable(virtualKey))
        entry = virtualKey;
    if (entry < 0) return 0;
    const std::string& text = keys[static_cast<std::size_t>(entry)];
    // Only single-byte characters name a key.
    const std::string_view modeChar =
        utf8::DropFirst(text, static_cast<std::size_t>(ModeIndex(mode)));
    if (modeChar.empty()) return 0;
    return CodeOfKeyTableChar(modeChar.front());
}

// The key table has no Ctrl+Shift entries (Ctrl wins): Shift added to a Ctrl
// key that undoes redoes, so that Ctrl+Shift+Z redoes where Ctrl+Z undoes.
void Calculator::pressKeyboardKey(int virtualKey, unsigned modifiers) {
    const int code = KeyTableCode(settings_.Keys, mode(), virtualKey, modifiers);
    const bool ctrlShift = (modifiers & kCtrlKey) && (modifiers & kShiftKey);
    if (code == kPaste)
        pasteClipboard();
    else if (code == kRedo || (code == kUndo && ctrlShift))
        redo();
    else if (code == kUndo)
        undo();
    else if (code > 0)
        PushBBtn(code);
}

}  // namespace tavrik
