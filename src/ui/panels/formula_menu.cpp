#include "ui/panels/formula_menu.h"

#include <QKeySequence>

#include "ui/menus/menu_items.h"
#include "ui/panels/formula_editor.h"

namespace tavrik::ui {

namespace {

QAction* AddEditAction(QMenu& menu, const char* name, const QString& caption,
                       QKeySequence::StandardKey shortcut, const std::function<void()>& command) {
    QAction* action = AddCommand(menu, name, caption, command);
    action->setShortcut(shortcut);
    action->setShortcutVisibleInContextMenu(true);
    return action;
}

}  // namespace

FormulaMenu BuildFormulaMenu(FormulaEditor& editor, const FormulaMenuCommands& commands) {
    FormulaMenu result;
    auto* menu = new QMenu(&editor);
    menu->setObjectName("pmnF");
    result.menu = menu;

    AddCommand(*menu, "pmnFRun", QStringLiteral("実行"), commands.run);
    AddCommand(*menu, "pmnFCopyFormula", QStringLiteral("式のコピー"), commands.copyFormula);
    menu->addSeparator();
    QAction* cut = AddEditAction(*menu, "pmnFCut", QStringLiteral("切り取り"), QKeySequence::Cut,
                                 [&editor] { editor.cut(); });
    QAction* copy = AddEditAction(*menu, "pmnFCopy", QStringLiteral("コピー"), QKeySequence::Copy,
                                  [&editor] { editor.copy(); });
    QAction* paste = AddEditAction(*menu, "pmnFPaste", QStringLiteral("貼り付け"),
                                   QKeySequence::Paste, [&editor] { editor.paste(); });
    AddEditAction(*menu, "pmnFSelectAll", QStringLiteral("すべて選択"), QKeySequence::SelectAll,
                  [&editor] { editor.selectAll(); });
    menu->addSeparator();
    result.plusFormula =
        AddCheck(*menu, "pmnFPlus", QStringLiteral("式付加"), commands.plusFormula);
    result.autoAnswer =
        AddCheck(*menu, "pmnFAuto", QStringLiteral("自動計算"), commands.autoAnswer);
    result.maximise = AddCheck(*menu, "pmnFMax", QStringLiteral("最大表示"), commands.maximise);
    menu->addSeparator();
    AddCommand(*menu, "pmnFWrite", QStringLiteral("ファイル書込"), commands.writeFile);
    AddCommand(*menu, "pmnFRead", QStringLiteral("ファイル読込"), commands.readFile);
    menu->addSeparator();
    AddCommand(*menu, "pmnFExit", QStringLiteral("終了"), commands.exit);

    QObject::connect(menu, &QMenu::aboutToShow, menu, [&editor, cut, copy, paste] {
        const bool selected = editor.textCursor().hasSelection();
        cut->setEnabled(selected && !editor.isReadOnly());
        copy->setEnabled(selected);
        paste->setEnabled(editor.canPaste());
    });
    return result;
}

}  // namespace tavrik::ui
