// The "表示" menu (status bar and panel check items) and the main pop-up
// menu of the window background, with "全表示" and "全非表示".
#pragma once

#include <QAction>
#include <QMenu>
#include <array>
#include <functional>

#include "settings/panel_kinds.h"

namespace tavrik::ui {

struct ViewMenu {
    QMenu* menu = nullptr;
    QAction* statusBar = nullptr;                    // "ステータスバー"
    std::array<QAction*, kPanelKindCount> panels{};  // indexed by PanelKind

    QAction* panel(PanelKind kind) const { return panels[static_cast<std::size_t>(kind)]; }
};

// Fills `menu` with the check items; a toggled item calls `toggled` with its
// panel, or nothing for "ステータスバー", after its check has changed.
ViewMenu BuildViewMenu(QMenu& menu, const std::function<void(std::optional<PanelKind>)>& toggled);

struct PopupMenuCommands {
    std::function<void()> allClear;  // "AC"
    std::function<void()> showAll;   // "全表示"
    std::function<void()> hideAll;   // "全非表示"
    std::function<void()> exit;      // "終了"
};

// The main pop-up menu, with `menuShown` ("メニュー表示") after "AC"; "全表示"
// and "全非表示" are enabled exactly when the "表示" menu is, checked each time
// the menu opens.
QMenu* BuildMainPopupMenu(QWidget& owner, const ViewMenu& view, QAction* menuShown,
                          const PopupMenuCommands& commands);

// The pop-up menu over the history list: "式をコピー" (returned in `copy`,
// which calls `copyLine`), "選んだ行をコピー" (calls `copyLines`), then the
// items of `main`, the same items with the same states.
QMenu* BuildHistoryPopupMenu(QWidget& owner, QMenu& main, const std::function<void()>& copyLine,
                             const std::function<void()>& copyLines, QAction*& copy);

}  // namespace tavrik::ui
