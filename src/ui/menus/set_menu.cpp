#include "ui/menus/set_menu.h"

#include <QActionGroup>

namespace tavrik::ui {

void FillSetMenu(QMenu& menu, const GlobalSettings& settings, int current,
                 const std::function<void(int)>& choose) {
    // The item that asked for this refill may still be delivering its signal.
    for (QAction* old : menu.actions()) {
        menu.removeAction(old);
        old->deleteLater();
    }
    for (QActionGroup* old : menu.findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly))
        old->deleteLater();
    auto* group = new QActionGroup(&menu);
    const int last = std::min(settings.LastSetIndex, kDefaultSetSlot - 1);
    for (int index = 0; index <= last; ++index) {
        const SettingsSet& set = settings.SetTable[static_cast<std::size_t>(index)];
        QAction* item = menu.addAction(QString::fromStdString(set.name) + ' ');
        item->setCheckable(true);
        item->setChecked(index == current);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &menu, [choose, index] { choose(index); });
    }
    menu.setEnabled(last >= 0);
}

}  // namespace tavrik::ui
