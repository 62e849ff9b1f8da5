// The main menu bar: "操作", "モード", "表示" and "関数" with the commands
// built so far.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <functional>

#include "formula/function_menu.h"
#include "values/value_context.h"

namespace tavrik::ui {

struct MainMenuCommands {
    std::function<void()> allClear;      // "AC"
    std::function<void()> settings;      // "設定変更"
    std::function<void()> reapply;       // "再設定"
    std::function<void()> writeHistory;  // "書出"
    std::function<void()> readHistory;   // "読込"
    std::function<void(bool)> log;       // "ログ（開始）" checked or unchecked
    std::function<void()> exit;          // "終了"
    std::function<void(CalcMode)> mode;  // "10進", "混合", "時間", "日付"
    std::function<void(bool)> grouping;  // "桁区切"
    std::function<void()> undo;          // "元に戻す"
    std::function<void()> redo;          // "やり直し"
    std::function<void()> paste;         // "貼り付け"
    std::function<void()> copyNumber;    // "数値をコピー"
    std::function<void()> exportCsv;     // "CSV書出"
};

// The items whose check marks and captions follow the calculator.
struct MainMenu {
    // The separator that ends the settings commands of "操作" ("設定読込",
    // "再設定"); later commands of that group are inserted before it.
    QAction* settingsPlace = nullptr;
    QAction* log = nullptr;
    QAction* undo = nullptr;          // enabled while there is a step to undo
    QAction* redo = nullptr;          // enabled while there is a step to redo
    std::array<QAction*, 4> modes{};  // in the order D, H, T, C
    QAction* grouping = nullptr;
    QMenu* functions = nullptr;  // "関数", filled from the calculator's function menu
    QMenu* sets = nullptr;       // "設定読込", filled from the loaded sets
    QMenu* view = nullptr;       // "表示"
};

MainMenu BuildMainMenu(QMenuBar& bar, const MainMenuCommands& commands);

// Refills "関数" with one radio item per function group of `model`, shown in
// `mode` only where that mode has functions. Choosing an item calls `choose`
// with the group's tag.
void FillFunctionMenu(QMenu& menu, const FunctionMenu& model, CalcMode mode,
                      const std::function<void(int)>& choose);

}  // namespace tavrik::ui
