// The history list panel `pnlH`: one list view per mode (`lstHD`, `lstHH`,
// `lstHT`, `lstHC`) over the core's lists, only the current mode's shown.
// The lists are sized from "8" in the panel font; with a `LineH` below 1 the
// panel stretches to the bottom of the window.
//
// Several lines can be selected (the core keeps the current one as its
// selection) and copied with Ctrl+C. Ctrl+F opens a search line over the
// bottom of the list: typing jumps to the last matching line, Up and Down to
// the one before or after, Enter enters its value and Esc closes it.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QLineEdit>
#include <vector>

#include "history/history_list.h"
#include "settings/settings_model.h"
#include "ui/panels/history_list_model.h"
#include "ui/panels/panel_widget.h"
#include "ui/panels/uniform_list_view.h"

namespace tavrik::ui {

class HistoryPanel final : public PanelWidget {
  public:
    struct Commands {
        std::function<void(int line)> select;      // the line the user selected, -1 for none
        std::function<void(int line)> enterValue;  // Enter on the search line
        std::function<void(std::vector<int> lines)> copyLines;  // Ctrl+C
    };

    HistoryPanel(QWidget* parent, const History& history, Commands commands);

    void place(const SettingsSet& set) override;
    // Follows the core: new rows, the current mode's list, its selection, and
    // the new last line brought into view while nothing is selected.
    void showHistory();
    // Runs `restore`, which brings back the lines kept from the last session,
    // and shows them: a screen reader hears only the lines that come after.
    void showUnannounced(const std::function<void()>& restore);

    // A `LineH` below 1: the panel ends its column and reaches the window bottom.
    bool stretches() const { return stretches_; }
    // Back to the height the builder gave, before the panel is placed again.
    void restoreHeight();
    void setPanelHeight(int height);
    void fitWidth(int width) override;
    unsigned shownChanges() const override;
    void show(const Calculator& calc, unsigned changes) override;

    UniformListView* currentList() const;
    QWidget* mainControl() const override;
    // The lines of the current list with a selected row, in list order.
    std::vector<int> selectedLines() const;
    void openSearch();
    // "結果を表示": the results under their lines, written as `values`
    // writes numbers; nullptr shows the lines alone.
    void showResults(const ValueContext* values);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HistoryListModel* currentModel() const;
    void selectionChanged(const UniformListView& list);
    void selectLineRows(UniformListView& list, int line, QItemSelectionModel::SelectionFlags how);
    bool searchKey(const QKeyEvent& key);
    // Jumps to the matching line from `from` on, stepping by `step`.
    void findFrom(int from, int step);
    void closeSearch();
    void announceLines(UniformListView& list, int first, int end);

    const History& history_;
    Commands commands_;
    QLineEdit* search_;
    int found_ = -1;  // the line the search jumped to, -1 none
    bool resultsShown_ = false;
    bool totalsGrouped_ = false;               // the grouping the grand totals were written with
    std::array<UniformListView*, 4> lists_{};  // in the order D, H, T, C
    std::array<HistoryListModel*, 4> models_{};
    // Qt's accessibility layer reports a hidden list view as showing, so a
    // screen reader would read the lists of the other modes: they wait on
    // this shelf, a widget never shown, outside the window.
    std::unique_ptr<QWidget> shelf_;
    int pitch_ = 0;
    int builtHeight_ = 0;
    bool stretches_ = false;
    bool updating_ = false;  // selection set from the core, not by the user
    // What the current list showed at the last update: new lines scroll into
    // view only while nothing is selected, and a kept selection keeps the
    // scroll position.
    const UniformListView* shownList_ = nullptr;
    int shownRows_ = 0;
    bool announcing_ = true;
    int shownSelected_ = -1;
};

}  // namespace tavrik::ui
