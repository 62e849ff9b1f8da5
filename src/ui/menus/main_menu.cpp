#include "ui/menus/main_menu.h"

#include <QActionGroup>
#include <QMenu>

#include "ui/menus/menu_items.h"

namespace tavrik::ui {

MainMenu BuildMainMenu(QMenuBar& bar, const MainMenuCommands& commands) {
    MainMenu menu;
    QMenu* operation = AddMenu(bar, "mnuO", QStringLiteral("操作"));
    AddCommand(*operation, "mnuOAC", QStringLiteral("AC"), commands.allClear);
    menu.sets = operation->addMenu(QStringLiteral("設定読込"));
    menu.sets->setObjectName("mnuOS");
    AddCommand(*operation, "mnuOSet", QStringLiteral("設定変更"), commands.settings);
    AddCommand(*operation, "mnuORS", QStringLiteral("再設定"), commands.reapply);
    menu.settingsPlace = operation->addSeparator();
    QMenu* history = operation->addMenu(QStringLiteral("履歴リスト"));
    history->setObjectName("mnuOH");
    AddCommand(*history, "mnuOHW", QStringLiteral("書出"), commands.writeHistory);
    AddCommand(*history, "mnuOHR", QStringLiteral("読込"), commands.readHistory);
    AddCommand(*history, "mnuOHCsv", QStringLiteral("CSV書出(&C)…"), commands.exportCsv);
    menu.log = AddCheck(*operation, "mnuLOG", QStringLiteral("ログ（開始）"), commands.log);
    operation->addSeparator();
    // Undo and the clipboard commands come after the long-standing items, so
    // that those keep their places (and their keyboard paths) in the menu.
    menu.undo = AddCommand(*operation, "mnuOUndo", QStringLiteral("元に戻す(&U)"), commands.undo);
    menu.redo = AddCommand(*operation, "mnuORedo", QStringLiteral("やり直し(&R)"), commands.redo);
    // Their keys are the key table's (see MainWindow::showUndoShortcuts).
    for (QAction* item : {menu.undo, menu.redo}) item->setShortcutContext(Qt::WidgetShortcut);
    operation->addSeparator();
    AddCommand(*operation, "mnuOPaste", QStringLiteral("貼り付け"), commands.paste);
    AddCommand(*operation, "mnuOCopyNumber", QStringLiteral("数値をコピー"), commands.copyNumber);
    operation->addSeparator();
    AddCommand(*operation, "mnuOExit", QStringLiteral("終了"), commands.exit);

    QMenu* mode = AddMenu(bar, "mnuM", QStringLiteral("モード"));
    auto* group = new QActionGroup(mode);
    static constexpr std::array<std::pair<const char*, CalcMode>, 4> kModes{
        {{"mnuMD", CalcMode::Decimal},
         {"mnuMH", CalcMode::Mixed},
         {"mnuMT", CalcMode::Time},
         {"mnuMC", CalcMode::Date}}};
    static constexpr std::array<const char*, 4> kCaptions{"10進", "混合", "時間", "日付"};
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        const CalcMode target = kModes[i].second;
        QAction* item = AddCommand(*mode, kModes[i].first, QString::fromUtf8(kCaptions[i]),
                                   [command = commands.mode, target] { command(target); });
        item->setCheckable(true);
        group->addAction(item);
        menu.modes[i] = item;
    }
    mode->addSeparator();
    menu.grouping = AddCheck(*mode, "mnuMKK3", QStringLiteral("桁区切"), commands.grouping);

    menu.view = AddMenu(bar, "mnuV", QStringLiteral("表示"));
    menu.functions = AddMenu(bar, "mnuF", QStringLiteral("関数"));
    // "Help" and "About" are added with the window behaviours.
    AddMenu(bar, "mnuH", QStringLiteral("ヘルプ"));
    return menu;
}

void FillFunctionMenu(QMenu& menu, const FunctionMenu& model, CalcMode mode,
                      const std::function<void(int)>& choose) {
    // The clicked item may be the one asking for this refill: delete later.
    for (QAction* old : menu.actions()) {
        menu.removeAction(old);
        old->deleteLater();
    }
    for (const FunctionMenuItem& item : model.items) {
        // The trailing blank of a caption is not read out as part of its name.
        QAction* action = menu.addAction(QString::fromStdString(item.caption).trimmed());
        action->setCheckable(true);
        action->setChecked(item.checked);
        const int tag = item.tag;
        QObject::connect(action, &QAction::triggered, &menu, [choose, tag] { choose(tag); });
    }
    menu.setEnabled(model.enabled);
    menu.menuAction()->setVisible(FunctionMenuVisible(mode));
}

}  // namespace tavrik::ui
