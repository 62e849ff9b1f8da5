// The history list panel `pnlH`: one list view per mode (`lstHD`, `lstHH`,
// `lstHT`, `lstHC`) over the core's lists, only the current mode's shown.
// The lists are sized from "8" in the panel font; with a `LineH` below 1 the
// panel stretches to the bottom of the window.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "history/history_list.h"
#include "settings/settings_model.h"
#include "ui/panels/history_list_model.h"
#include "ui/panels/panel_widget.h"
#include "ui/panels/uniform_list_view.h"

namespace tavrik::ui {

class HistoryPanel final : public PanelWidget {
  public:
    // Receives the row the user selected, -1 for none.
    using SelectHandler = std::function<void(int row)>;

    HistoryPanel(QWidget* parent, const History& history, SelectHandler onSelect);

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

  private:
    void selectionChanged(const UniformListView& list);
    void announceLines(UniformListView& list, int first, int end);

    const History& history_;
    SelectHandler onSelect_;
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
