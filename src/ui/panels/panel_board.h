// The six panels of the window on the client area: built from the set in
// force (a factory per kind), placed at the zoom, arranged in the columns of
// `Disp`, the history list stretched to the bottom, the tab order, the
// maximised formula panel and the zoom. The board reaches the window only
// through the commands it is given.
#pragma once

#include <QSize>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "engine/calculator.h"
#include "settings/panel_kinds.h"
#include "ui/panels/panel_arrangement.h"
#include "ui/panels/panel_widget.h"
#include "ui/platform/file_dialog.h"

namespace tavrik::ui {

class DisplayPanel;
class FormulaPanel;
class HistoryPanel;

// What the board asks of the window.
struct PanelBoardCommands {
    // The height the status bar takes at the top of the client area, 0 when hidden.
    std::function<int()> top;
    // Sizes the client area, and the window around it, to `size`.
    std::function<void(QSize size)> sizeClient;
    // The panels have moved (the focus ring follows the focused control).
    std::function<void()> moved;
    // "最大表示" checked or unchecked: while the formula panel fills the
    // window, "表示" is disabled.
    std::function<void(bool on)> maximised;
    // Lays the panels out anew from the set in force, as "配置更新" does.
    std::function<void()> layOut;
    // A panel the board showed or hid itself; the "表示" item follows.
    std::function<void(PanelKind kind, bool shown)> shownChanged;
    // The formula panel's "終了", held refreshes and file dialogs.
    std::function<void()> exit;
    std::function<void(const std::function<void()>&)> holdingRefresh;
    std::function<std::optional<std::string>(FileDialogKind, const QString&)> askPath;
};

class PanelBoard {
  public:
    PanelBoard(QWidget& client, Calculator& calc, PanelBoardCommands commands);

    // Builds the panels `disp` names from the set in force at the set's
    // zoom, each the first time it is named; a panel is shown when `disp`
    // shows it. A panel built for an earlier set stays, hidden.
    void build(const DispReading& disp);
    // The panel of a kind once built, null before a set named it.
    PanelWidget* panel(PanelKind kind) const { return panels_[static_cast<std::size_t>(kind)]; }
    DisplayPanel* display() const;
    HistoryPanel* history() const;
    // The arranged panels in the order Tab (and F6) goes through them.
    const std::vector<PanelWidget*>& tabOrder() const { return tabOrder_; }
    FormulaPanel* formula() const;

    // Each present panel placed again from the set at the current zoom (and
    // with the palette's colours as they now are).
    void place();
    // Positions the shown panels in columns; `first` sizes the window to fit
    // them, otherwise the window only grows.
    void arrange(bool first);
    // A stretching history list reaches the bottom of the client area.
    void stretchHistory();
    // The client area took a new size.
    void resized();

    // Each panel that shows a model named by the ViewChange bits shows it again.
    void show(unsigned changes);

    // "最大表示": the formula panel alone fills the client area; cleared,
    // the panels are laid out again and shown as they were.
    void maximiseFormula(bool on);
    bool formulaMaximised() const;

    // The zoom the panels are shown at, in percent.
    int zoom() const { return zoom_; }
    // Shows the panels at another zoom: placed and sized again, not built
    // anew. `fitWindow` sizes the window to the new layout; otherwise the
    // window keeps its size and only grows.
    void setZoom(int percent, bool fitWindow);
    // True once the user changed a zoom (the wheel, the keys, the window's size).
    bool zoomChanged() const { return zoomChanged_; }
    // The size of the arranged panels at 100 %, below the status bar.
    QSize naturalSize() const { return naturalSize_; }

  private:
    bool present(PanelKind kind) const { return present_[static_cast<std::size_t>(kind)]; }
    void fillWithFormulaPanel();
    // "ウィンドウに合わせる": the zoom at which the layout fills the client area.
    void fitZoomToWindow();
    bool shrinkZoomToClient(QSize needed, QSize room);
    void orderTabs(const Arrangement& arrangement);

    QWidget& client_;
    Calculator& calc_;
    PanelBoardCommands commands_;
    std::vector<PanelWidget*> tabOrder_;
    std::array<PanelWidget*, kPanelKindCount> panels_{};       // each built when a set names it
    std::array<bool, kPanelKindCount> present_{};              // named by the set in force
    std::array<bool, kPanelKindCount> shownBeforeMaximise_{};  // the panels "最大表示" hid
    int zoom_ = kDefaultZoom;
    bool zoomChanged_ = false;
    QSize naturalSize_;
    bool arranging_ = false;  // the window's own resizes, which the zoom does not follow
};

}  // namespace tavrik::ui
