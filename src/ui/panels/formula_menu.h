// The formula panel's pop-up menu, in its fixed order: run and copy the
// formula, the editing actions, the two check items, the file commands and
// quitting the program.
#pragma once

#include <QAction>
#include <QMenu>
#include <functional>

namespace tavrik::ui {

class FormulaEditor;

struct FormulaMenuCommands {
    std::function<void()> run;              // "実行"
    std::function<void()> copyFormula;      // "式のコピー"
    std::function<void(bool)> plusFormula;  // "式付加" checked or unchecked
    std::function<void(bool)> maximise;     // "最大表示" checked or unchecked
    std::function<void()> writeFile;        // "ファイル書込"
    std::function<void()> readFile;         // "ファイル読込"
    std::function<void()> exit;             // "終了"
    std::function<void(bool)> autoAnswer;   // "自動計算" checked or unchecked
};

// The check items the panel sets when it is built.
struct FormulaMenu {
    QMenu* menu = nullptr;
    QAction* plusFormula = nullptr;
    QAction* autoAnswer = nullptr;
    QAction* maximise = nullptr;
};

// The menu belongs to the editor; its cut, copy and paste follow the
// editor's selection and the clipboard each time it opens.
FormulaMenu BuildFormulaMenu(FormulaEditor& editor, const FormulaMenuCommands& commands);

}  // namespace tavrik::ui
