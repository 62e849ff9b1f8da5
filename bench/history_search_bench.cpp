// The cost of one keystroke in the history search with all four lists full
// (as many lines as the settings allow): the key reaches the search line, the
// list is searched from its end, and the line found is selected and shown.
// The typed text matches no line, so that every keystroke reads the whole
// list, results included, before it gives up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "engine/calculator.h"
#include "history/history_list.h"
#include "settings/setting_ranges.h"
#include "ui/panels/history_panel.h"

namespace {

using tavrik::CalcMode;

// Four lines a calculation: "1,234,567.89 + 4,730 =", the "=" with its result.
void FillList(tavrik::History& history, CalcMode mode) {
    history.setCurrentMode(mode);
    for (int line = 0; line + 4 <= tavrik::kHistoryLimitRange.max; line += 4) {
        history.AddHList("1,234,567.89", tavrik::kValueLine);
        history.AddHList("#+", tavrik::kOperationLine);
        history.AddHList("4,730", tavrik::kValueLine);
        history.AddHList("#=", tavrik::kOperationLine);
        history.settleResult("1,239,297.89", 1'239'297.89L);
    }
}

void SearchKeystroke(benchmark::State& state) {
    tavrik::NullView view;
    tavrik::History history(view);
    history.setOptions(tavrik::kHistoryLimitRange.max, 1);
    for (CalcMode mode : {CalcMode::Mixed, CalcMode::Time, CalcMode::Date, CalcMode::Decimal})
        FillList(history, mode);
    tavrik::ui::HistoryPanel* panel = nullptr;
    panel = new tavrik::ui::HistoryPanel(nullptr, history,
                                         {[&](int line) {
                                              history.select(line);
                                              panel->showHistory();
                                          },
                                          [](int) {}, [](std::vector<int>) {}});
    panel->place(tavrik::SettingsSet{});
    // A calculator only for the way its mode writes the grand totals.
    tavrik::FixedClock clock{tavrik::DateTime{2024, 5, 3, 12, 0, 0}};
    tavrik::Calculator calc(view, clock);
    calc.start();
    panel->showResults(&calc.values());
    panel->QWidget::show();
    panel->openSearch();
    auto* search = panel->findChild<QLineEdit*>("edtHFind");
    search->setText(QStringLiteral("5559"));
    QCoreApplication::processEvents();
    bool typing = true;
    for (auto _ : state) {
        // A digit, then Backspace: each a keystroke the search answers.
        QKeyEvent press(QEvent::KeyPress, typing ? Qt::Key_9 : Qt::Key_Backspace, Qt::NoModifier,
                        typing ? QStringLiteral("9") : QString());
        QApplication::sendEvent(search, &press);
        QCoreApplication::processEvents();
        typing = !typing;
    }
    delete panel;
}
BENCHMARK(SearchKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace
