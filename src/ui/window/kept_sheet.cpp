// The formula panel's part of the kept state: its text and "自動計算"
// check, handed to the state file and back. A sheet kept for a set without
// the panel waits until a set first names it.
#include "ui/panels/formula_panel.h"
#include "ui/window/main_window.h"

namespace tavrik::ui {

std::optional<KeptState::Sheet> MainWindow::keptSheet() const {
    if (!board_.formula()) return pendingSheet_;
    return board_.formula()->keptSheet();
}

void MainWindow::restoreSheet(KeptState::Sheet sheet) {
    pendingSheet_ = std::move(sheet);
    if (!board_.formula()) return;
    board_.formula()->restoreSheet(*pendingSheet_);
    pendingSheet_.reset();
}

void MainWindow::setSheetWatch(std::function<void()> watch) {
    sheetWatch_ = std::move(watch);
    if (board_.formula()) board_.formula()->setEditWatch(sheetWatch_);
}

void MainWindow::buildBoard(const DispReading& disp) {
    const bool formulaBuilt = board_.formula() != nullptr;
    board_.build(disp);
    if (formulaBuilt || !board_.formula()) return;
    board_.formula()->setEditWatch(sheetWatch_);
    if (pendingSheet_) restoreSheet(*std::move(pendingSheet_));
}

}  // namespace tavrik::ui
