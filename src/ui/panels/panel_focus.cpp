#include "ui/panels/panel_focus.h"

#include <algorithm>

namespace tavrik::ui {

std::optional<int> PanelStepOfKey(const QKeyEvent& key) {
    if (key.key() != Qt::Key_F6) return std::nullopt;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) return 1;
    if (modifiers == Qt::ShiftModifier) return -1;
    return std::nullopt;
}

bool OpensPopupMenu(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

QWidget* PanelControlAfter(const std::vector<PanelWidget*>& panels, const QWidget* focused,
                           int step) {
    const int count = static_cast<int>(panels.size());
    if (count == 0) return nullptr;
    const auto holder = std::find_if(panels.begin(), panels.end(), [focused](const PanelWidget* p) {
        return focused && (p == focused || p->isAncestorOf(focused));
    });
    int index = holder == panels.end() ? (step > 0 ? -1 : count) : holder - panels.begin();
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        if (QWidget* control = panels[static_cast<std::size_t>(index)]->mainControl())
            return control;
    }
    return nullptr;
}

}  // namespace tavrik::ui
