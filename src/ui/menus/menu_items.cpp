#include "ui/menus/menu_items.h"

namespace tavrik::ui {

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

QAction* AddCheck(QMenu& menu, const char* name, const QString& caption,
                  const std::function<void(bool)>& command) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, &menu, [command](bool on) { command(on); });
    return action;
}

}  // namespace tavrik::ui
