// Moving the keyboard focus between the panels of the window with F6 and
// Shift+F6, the desktop's keys for moving between the panes of a window;
// Tab keeps moving between the controls inside a panel.
#pragma once

#include <QKeyEvent>
#include <optional>
#include <vector>

#include "ui/panels/panel_widget.h"

namespace tavrik::ui {

// +1 for F6, -1 for Shift+F6; nothing for any other key.
std::optional<int> PanelStepOfKey(const QKeyEvent& key);

// True for the keys that open the pop-up menu of the control in focus: the
// Menu key and Shift+F10.
bool OpensPopupMenu(const QKeyEvent& key);

// The main control of the panel `step` panels on from the one that holds
// `focused` (from the first or the last when no panel holds it), in the order
// of `panels`, skipping panels that show no control; nullptr when none does.
QWidget* PanelControlAfter(const std::vector<PanelWidget*>& panels, const QWidget* focused,
                           int step);

}  // namespace tavrik::ui
