#include "ui/menus/view_menu.h"

#include "ui/menus/menu_items.h"

namespace tavrik::ui {

namespace {

QAction* AddViewCheck(QMenu& menu, const QString& name, const QString& caption,
                      std::optional<PanelKind> kind,
                      const std::function<void(std::optional<PanelKind>)>& toggled) {
    return AddCheck(menu, name.toLatin1().constData(), caption,
                    [toggled, kind](bool) { toggled(kind); });
}

}  // namespace

// A panel's item is named after its letter: "mnuVD", "mnuVB", …
ViewMenu BuildViewMenu(QMenu& menu, const std::function<void(std::optional<PanelKind>)>& toggled) {
    ViewMenu view;
    view.menu = &menu;
    view.statusBar = AddViewCheck(menu, QStringLiteral("mnuVSB"), QStringLiteral("ステータスバー"),
                                  std::nullopt, toggled);
    for (const PanelKindInfo& info : kPanelKinds)
        view.panels[static_cast<std::size_t>(info.kind)] = AddViewCheck(
            menu, QStringLiteral("mnuV") + QChar(info.letter),
            QString::fromUtf8(info.caption.data(), info.caption.size()), info.kind, toggled);
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

QMenu* BuildHistoryPopupMenu(QWidget& owner, QMenu& main, const std::function<void()>& copyLine,
                             const std::function<void()>& copyLines, QAction*& copy) {
    auto* popup = new QMenu(&owner);
    popup->setObjectName("pmnH");
    copy = popup->addAction(QStringLiteral("式をコピー"));
    copy->setObjectName("pmnHCopy");
    QObject::connect(copy, &QAction::triggered, popup, copyLine);
    // The lines with their results as columns for a spreadsheet, as Ctrl+C copies them.
    QAction* copyRows = popup->addAction(QStringLiteral("選んだ行をコピー"));
    copyRows->setObjectName("pmnHCopyLines");
    QObject::connect(copyRows, &QAction::triggered, popup, copyLines);
    popup->addSeparator();
    popup->addActions(main.actions());
    QObject::connect(popup, &QMenu::aboutToShow, &main, &QMenu::aboutToShow);
    return popup;
}

}  // namespace tavrik::ui
