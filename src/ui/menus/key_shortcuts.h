// The shortcuts the undo items of "操作" show: the keys the key table gives
// undo and redo in a mode, as Qt key sequences.
#pragma once

#include <QKeySequence>
#include <QList>

#include "settings/key_assignment.h"
#include "values/value_context.h"

namespace tavrik::ui {

struct UndoShortcuts {
    QList<QKeySequence> undo;
    QList<QKeySequence> redo;
};

// The keys of undo and redo in `mode`, in key-table order; an undo key held
// with Ctrl also redoes with Shift added (Ctrl+Shift+Z where Ctrl+Z undoes).
// Keys without a Qt key of their own (the numeric keypad) are left out.
UndoShortcuts UndoKeyShortcuts(const KeyTable& keys, CalcMode mode);

}  // namespace tavrik::ui
