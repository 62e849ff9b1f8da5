#include "ui/main_menu.h"

#include <QAction>
#include <QMenu>

namespace tavrik::ui {

namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* AddCommand(QMenu& menu, const char* name, const QString& caption,
                    const std::function<void()>& command) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, &menu, [command] { command(); });
    return action;
}

}  // namespace

void BuildMainMenu(QMenuBar& bar, const MainMenuCommands& commands) {
    QMenu* operation = AddMenu(bar, "mnuO", QStringLiteral("操作"));
    AddCommand(*operation, "mnuOAC", QStringLiteral("AC"), commands.allClear);
    operation->addSeparator();
    AddCommand(*operation, "mnuOExit", QStringLiteral("終了"), commands.exit);

    AddMenu(bar, "mnuM", QStringLiteral("モード"));
    AddMenu(bar, "mnuV", QStringLiteral("表示"));
    AddMenu(bar, "mnuF", QStringLiteral("関数"));
    AddMenu(bar, "mnuH", QStringLiteral("ヘルプ"));
}

}  // namespace tavrik::ui
