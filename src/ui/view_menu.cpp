#include "ui/view_menu.h"

#include "ui/menu_items.h"

namespace tavrik::ui {

namespace {

QAction* AddPanelCheck(QMenu& menu, const char* name, const QString& caption, char letter,
                       const std::function<void(char)>& toggled) {
    return AddCheck(menu, name, caption, [toggled, letter](bool) { toggled(letter); });
}

}  // namespace

ViewMenu BuildViewMenu(QMenu& menu, const std::function<void(char)>& toggled) {
    struct Item {
        const char* name;
        const char* caption;
    };
    static constexpr std::array<Item, 6> kPanels{{{"mnuVD", "表示窓"},
                                                  {"mnuVB", "ボタンパネル"},
                                                  {"mnuVM", "メモリパネル"},
                                                  {"mnuVH", "履歴リスト"},
                                                  {"mnuVS", "履歴操作パネル"},
                                                  {"mnuVF", "式パネル"}}};
    ViewMenu view;
    view.menu = &menu;
    view.statusBar =
        AddPanelCheck(menu, "mnuVSB", QStringLiteral("ステータスバー"), kStatusBarItem, toggled);
    for (std::size_t i = 0; i < kPanels.size(); ++i)
        view.panels[i] = AddPanelCheck(menu, kPanels[i].name, QString::fromUtf8(kPanels[i].caption),
                                       kPanelLetters[i], toggled);
    return view;
}

QMenu* BuildMainPopupMenu(QWidget& owner, const ViewMenu& view, QAction* menuShown,
                          const PopupMenuCommands& commands) {
    auto* popup = new QMenu(&owner);
    popup->setObjectName("pmnMain");
    AddCommand(*popup, "pmnAC", QStringLiteral("AC"), commands.allClear);
    popup->addSeparator();
    popup->addAction(menuShown);
    QAction* showAll = AddCommand(*popup, "pmnVA", QStringLiteral("全表示"), commands.showAll);
    QAction* hideAll = AddCommand(*popup, "pmnVN", QStringLiteral("全非表示"), commands.hideAll);
    popup->addSeparator();
    AddCommand(*popup, "pmnExit", QStringLiteral("終了"), commands.exit);
    QMenu* viewMenu = view.menu;
    QObject::connect(popup, &QMenu::aboutToShow, popup, [viewMenu, showAll, hideAll] {
        showAll->setEnabled(viewMenu->isEnabled());
        hideAll->setEnabled(viewMenu->isEnabled());
    });
    return popup;
}

}  // namespace tavrik::ui
