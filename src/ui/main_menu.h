// The main menu bar: "操作" with the commands built so far, and the other
// top-level menus in their places.
#pragma once

#include <QMenuBar>
#include <functional>

namespace tavrik::ui {

struct MainMenuCommands {
    std::function<void()> allClear;  // "AC"
    std::function<void()> exit;      // "終了"
};

void BuildMainMenu(QMenuBar& bar, const MainMenuCommands& commands);

}  // namespace tavrik::ui
