// The "表示" menu (status bar and panel check items) and the main pop-up
// menu of the window background, with "全表示" and "全非表示".
#pragma once

#include <QAction>
#include <QMenu>
#include <array>
#include <functional>
#include <string_view>

namespace tavrik::ui {

// Panel letters in the order of their "表示" items.
inline constexpr std::string_view kPanelLetters = "DBMHSF";
// The letter that stands for "ステータスバー" among them.
inline constexpr char kStatusBarItem = 'T';

struct ViewMenu {
    QMenu* menu = nullptr;
    QAction* statusBar = nullptr;      // "ステータスバー"
    std::array<QAction*, 6> panels{};  // in the order of kPanelLetters

    QAction* panel(char letter) const { return panels[kPanelLetters.find(letter)]; }
};

// Fills `menu` with the check items; a toggled item calls `toggled` with its
// letter, after its check has changed.
ViewMenu BuildViewMenu(QMenu& menu, const std::function<void(char)>& toggled);

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

}  // namespace tavrik::ui
