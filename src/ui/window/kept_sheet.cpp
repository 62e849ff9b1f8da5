// The formula panel's part of the kept state: its text and "自動計算"
// check, handed to the state file and back. A sheet kept for a set without
// the panel waits until a set first names it.
#include "ui/panels/formula_panel.h"
#include "ui/window/main_window.h"

namespace tavrik::ui {

std::optional<KeptState::Sheet> MainWindow::keptSheet() const {
    if (!formula()) return pendingSheet_;
    return formula()->keptSheet();
}

void MainWindow::restoreSheet(KeptState::Sheet sheet) {
    pendingSheet_ = std::move(sheet);
    if (formula()) adoptSheet();
}

void MainWindow::setSheetWatch(std::function<void()> watch) {
    sheetWatch_ = std::move(watch);
    if (formula()) formula()->setEditWatch(sheetWatch_);
}

void MainWindow::adoptSheet() {
    formula()->setEditWatch(sheetWatch_);
    if (pendingSheet_) formula()->restoreSheet(*pendingSheet_);
    pendingSheet_.reset();
}

}  // namespace tavrik::ui
