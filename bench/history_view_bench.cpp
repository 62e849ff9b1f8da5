// The window's cost of one appended history line, with 10 and with 1,000,000
// lines already in the list: the core appends the line, the model announces
// the new row, and the view takes it in, scrolls to it and repaints, on Qt's
// offscreen platform. The history panel's own view is measured beside a
// QListView with uniform item sizes, which lays out every row on each insert.
// A second benchmark scrolls a long list page by page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QScrollBar>
#include <memory>

#include "history/history_list.h"
#include "ui/panels/history_list_model.h"
#include "ui/panels/uniform_list_view.h"

namespace {

using tavrik::CalcMode;
using tavrik::History;

template <class ListView>
struct ListWindow {
    explicit ListWindow(int lines) : history(view) {
        for (int i = 0; i < lines; ++i) history.AddHList("1,234,567.89", tavrik::kValueLine);
        model = std::make_unique<tavrik::ui::HistoryListModel>(history, CalcMode::Decimal);
        if constexpr (std::is_same_v<ListView, QListView>) list.setUniformItemSizes(true);
        list.setModel(model.get());
        list.resize(300, 400);
        list.show();
        QCoreApplication::processEvents();
    }

    tavrik::NullView view;
    History history;
    std::unique_ptr<tavrik::ui::HistoryListModel> model;
    ListView list;
};

template <class ListView>
void AppendLine(benchmark::State& state) {
    ListWindow<ListView> window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.history.AddHList("#+", tavrik::kOperationLine);
        window.model->sync();
        window.list.scrollToBottom();
        window.list.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(AppendLine<tavrik::ui::UniformListView>)
    ->Arg(10)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(AppendLine<QListView>)->Arg(10)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void ScrollPage(benchmark::State& state) {
    ListWindow<tavrik::ui::UniformListView> window(static_cast<int>(state.range(0)));
    QScrollBar* bar = window.list.verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        window.list.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ScrollPage)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace
