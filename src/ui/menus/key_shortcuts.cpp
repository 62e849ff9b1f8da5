#include "ui/menus/key_shortcuts.h"

#include <optional>

#include "settings/key_codes.h"
#include "ui/platform/virtual_key.h"

namespace tavrik::ui {

namespace {

// Qt keys in the order they are tried for a virtual-key code: digits and
// letters before the punctuation that Shift turns some of them into.
std::optional<Qt::Key> QtKeyOf(int virtualKey, Qt::KeyboardModifiers modifiers) {
    const std::pair<int, int> kRanges[] = {{Qt::Key_0, Qt::Key_9},
                                           {Qt::Key_A, Qt::Key_Z},
                                           {Qt::Key_Escape, Qt::Key_Direction_R},
                                           {Qt::Key_Space, Qt::Key_AsciiTilde}};
    for (const auto& [first, last] : kRanges)
        for (int key = first; key <= last; ++key)
            if (VirtualKeyOf(static_cast<Qt::Key>(key), modifiers) == virtualKey)
                return static_cast<Qt::Key>(key);
    return std::nullopt;
}

std::optional<QKeyCombination> CombinationOf(int index) {
    Qt::KeyboardModifiers modifiers;
    int virtualKey = index;
    if (index > kShiftKeyOffset) {
        modifiers = Qt::ShiftModifier;
        virtualKey -= kShiftKeyOffset;
    } else if (index > kCtrlKeyOffset) {
        modifiers = Qt::ControlModifier;
        virtualKey -= kCtrlKeyOffset;
    }
    const std::optional<Qt::Key> key = QtKeyOf(virtualKey, modifiers);
    if (!key) return std::nullopt;
    return QKeyCombination(modifiers, *key);
}

}  // namespace

UndoShortcuts UndoKeyShortcuts(const KeyTable& keys, CalcMode mode) {
    UndoShortcuts shortcuts;
    QList<QKeySequence> shiftedUndo;
    for (int index = 0; index < kKeyTableSize; ++index) {
        const int code = CodeOfKeyTableChar(AssignedKeyChar(keys, index, ModeIndex(mode)));
        if (code != kUndo && code != kRedo) continue;
        const std::optional<QKeyCombination> combination = CombinationOf(index);
        if (!combination) continue;
        (code == kUndo ? shortcuts.undo : shortcuts.redo).append(QKeySequence(*combination));
        if (code == kUndo && combination->keyboardModifiers() == Qt::ControlModifier)
            shiftedUndo.append(
                QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | combination->key()));
    }
    shortcuts.redo.append(shiftedUndo);
    return shortcuts;
}

}  // namespace tavrik::ui
