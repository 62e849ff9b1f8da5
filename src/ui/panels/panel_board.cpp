#include "ui/panels/panel_board.h"

#include <QLabel>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/panels/button_panel.h"
#include "ui/panels/display_panel.h"
#include "ui/panels/formula_panel.h"
#include "ui/panels/history_operation_panel.h"
#include "ui/panels/history_panel.h"
#include "ui/panels/layout_scale.h"
#include "ui/panels/memory_panel.h"
#include "ui/panels/zoom_control.h"

namespace tavrik::ui {

namespace {

// What a panel is made from: the client area it lives on, the calculator its
// controls command, and what the formula panel asks of the window.
struct PanelMaterials {
    QWidget& client;
    Calculator& calc;
    FormulaPanelCommands formula;
};

PanelWidget* MakeDisplay(const PanelMaterials& with) {
    return new DisplayPanel(&with.client);
}

PanelWidget* MakeButtons(const PanelMaterials& with) {
    Calculator& calc = with.calc;
    return new ButtonPanel(
        &with.client,
        [&calc](int tag) { calc.PushBBtn(calc.keypad()[static_cast<std::size_t>(tag)].code); },
        [&calc](int code) { calc.PushBBtn(code); });
}

PanelWidget* MakeMemory(const PanelMaterials& with) {
    Calculator& calc = with.calc;
    return new MemoryPanel(&with.client, {[&calc](int slot) { calc.selectMemory(slot); },
                                          [&calc](int slot) { calc.storeMemory(slot); },
                                          [&calc](int slot) { calc.recallMemory(slot); }});
}

PanelWidget* MakeHistory(const PanelMaterials& with) {
    Calculator& calc = with.calc;
    return new HistoryPanel(
        &with.client, std::as_const(calc).history(),
        {[&calc](int line) { calc.selectHistoryLine(line); },
         [&calc](int line) { calc.enterHistoryValue(line); },
         [&calc](std::vector<int> lines) { calc.copyHistoryLines(std::move(lines)); }});
}

PanelWidget* MakeHistoryOps(const PanelMaterials& with) {
    Calculator& calc = with.calc;
    return new HistoryOperationPanel(
        &with.client,
        {[&calc] { calc.clearHistory(); }, [&calc] { calc.deleteHistoryLine(); },
         [&calc] { calc.replayHistoryLine(); }, [&calc](bool on) { calc.setHistoryMoveDown(on); },
         [&calc] { calc.toggleRecording(); }});
}

PanelWidget* MakeFormula(const PanelMaterials& with) {
    return new FormulaPanel(&with.client, with.calc, with.formula);
}

// Indexed by PanelKind.
constexpr std::array<PanelWidget* (*)(const PanelMaterials&), kPanelKindCount> kMakers{
    MakeDisplay, MakeButtons, MakeMemory, MakeHistory, MakeHistoryOps, MakeFormula};

// Every panel but the formula panel gives way to the maximised formula panel.
bool GivesWayToFormula(PanelKind kind) {
    return kind != PanelKind::Formula;
}

}  // namespace

PanelBoard::PanelBoard(QWidget& client, Calculator& calc, PanelBoardCommands commands)
    : client_(client), calc_(calc), commands_(std::move(commands)) {}

DisplayPanel* PanelBoard::display() const {
    return static_cast<DisplayPanel*>(panel(PanelKind::Display));
}
HistoryPanel* PanelBoard::history() const {
    return static_cast<HistoryPanel*>(panel(PanelKind::History));
}
FormulaPanel* PanelBoard::formula() const {
    return static_cast<FormulaPanel*>(panel(PanelKind::Formula));
}

void PanelBoard::build(const DispReading& disp) {
    const SettingsSet& set = calc_.currentSet();
    zoom_ = LayoutZoom(set.Zoom);
    const PanelMaterials materials{client_,
                                   calc_,
                                   {[this](bool on) { maximiseFormula(on); }, commands_.exit,
                                    commands_.holdingRefresh, commands_.askPath}};
    for (const PanelKindInfo& info : kPanelKinds) {
        const std::size_t index = static_cast<std::size_t>(info.kind);
        const PanelPresence& named = disp[info.kind];
        present_[index] = named.present;
        PanelWidget*& panel = panels_[index];
        if (named.present) {
            if (!panel) panel = kMakers[index](materials);
            panel->setScale(LayoutScale(zoom_));
            panel->build(set);
        }
        if (panel) panel->setVisible(named.shown);
    }
}

void PanelBoard::place() {
    const SettingsSet& set = calc_.currentSet();
    for (PanelWidget* panel : panels_) {
        if (!panel || !present(panel->kind())) continue;
        panel->setScale(LayoutScale(zoom_));
        panel->place(set);
    }
}

void PanelBoard::show(unsigned changes) {
    for (PanelWidget* panel : panels_)
        if (panel && (changes & panel->shownChanges())) panel->show(calc_, changes);
}

void PanelBoard::arrange(bool first) {
    if (formulaMaximised()) return fillWithFormulaPanel();
    arranging_ = true;
    const auto arranged = qScopeGuard([this] { arranging_ = false; });
    int top = commands_.top();
    const bool displaySpans = display() && !display()->isHidden() && display()->spansTop();
    if (displaySpans) {
        display()->move(0, top);
        top += display()->height();
    }

    const Arrangement arrangement = ArrangeColumns(
        ReadDisp(calc_.currentSet().Disp), top, [&](PanelKind kind) -> std::optional<PanelSize> {
            if (kind == PanelKind::Display && displaySpans) return std::nullopt;
            const PanelWidget* shown = panel(kind);
            if (!shown || shown->isHidden()) return std::nullopt;
            if (shown == history()) {
                history()->restoreHeight();
                return PanelSize{shown->width(), shown->height(), history()->stretches()};
            }
            return PanelSize{shown->width(), shown->height()};
        });
    for (const PlacedPanel& placed : arrangement.panels) {
        PanelWidget* shown = panel(placed.kind);
        shown->move(placed.x, placed.y);
        shown->fitWidth(placed.width);
    }

    int width = arrangement.right;
    int height = arrangement.bottom;
    const double factor = LayoutScale(zoom_).factor();
    naturalSize_ = QSize(static_cast<int>(std::lround(arrangement.right / factor)),
                         static_cast<int>(std::lround((arrangement.bottom - top) / factor)));
    if (!first) {
        width = std::max(width, client_.width());
        height = std::max(height, client_.height());
    }
    commands_.sizeClient(QSize(width, height));
    // Kept smaller by the screens, the client would cut panels off.
    if (shrinkZoomToClient({width, height}, client_.size())) return;
    stretchHistory();
    if (displaySpans) display()->fitWidth(std::max(arrangement.right, width));
    if (display()) calc_.setGeometry(display()->geometry());
    orderTabs(arrangement);
    commands_.moved();
}

void PanelBoard::stretchHistory() {
    if (history() && !history()->isHidden() && history()->stretches())
        history()->setPanelHeight(client_.height() - history()->y());
}

void PanelBoard::resized() {
    if (formulaMaximised()) return fillWithFormulaPanel();
    fitZoomToWindow();
    // The room the window leaves the client, which the window manager may
    // have kept smaller than the client itself.
    const QSize room = client_.window()->size() - QSize(client_.x(), client_.y());
    if (!arranging_ && !calc_.currentSet().ZoomFit) shrinkZoomToClient(client_.minimumSize(), room);
}

// Room smaller than the panels need, left by the screens or the window
// manager, lays them out again at the zoom that fits it. Only this layout
// shrinks: the set keeps its zoom for a larger screen.
bool PanelBoard::shrinkZoomToClient(QSize needed, QSize room) {
    const int fitting = ShrunkZoom(zoom_, needed, room);
    if (fitting >= zoom_) return false;
    zoom_ = fitting;
    place();
    arrange(true);
    return true;
}

// Tab goes through the panels' controls in the order of `Disp`, and within
// a panel in reading order: row by row, left to right. A memory value joins
// when its register becomes the current one, so every value takes its place.
void PanelBoard::orderTabs(const Arrangement& arrangement) {
    QWidget* previous = nullptr;
    tabOrder_.clear();
    for (const PlacedPanel& placed : arrangement.panels) {
        PanelWidget* shown = panel(placed.kind);
        tabOrder_.push_back(shown);
        std::vector<QWidget*> controls;
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            const bool memoryValue =
                placed.kind == PanelKind::Memory && qobject_cast<QLabel*>(control);
            if ((control->focusPolicy() & Qt::TabFocus) || memoryValue) controls.push_back(control);
        }
        const auto place = [shown](const QWidget* control) {
            const QPoint at = control->mapTo(shown, QPoint(0, 0));
            return std::pair(at.y(), at.x());
        };
        std::stable_sort(controls.begin(), controls.end(),
                         [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
        for (QWidget* control : controls) {
            if (previous) QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
}

bool PanelBoard::formulaMaximised() const {
    return formula() && formula()->maximised();
}

void PanelBoard::maximiseFormula(bool on) {
    if (on) {
        commands_.maximised(true);
        for (const PanelKindInfo& info : kPanelKinds) {
            PanelWidget* given = panel(info.kind);
            bool& wasShown = shownBeforeMaximise_[static_cast<std::size_t>(info.kind)];
            wasShown = given && !given->isHidden();
            if (wasShown && GivesWayToFormula(info.kind)) given->hide();
        }
        fillWithFormulaPanel();
        return;
    }
    // The new layout shows the panels the set names; each comes back as it
    // was, the formula panel too when the "表示" menu had brought it up.
    commands_.layOut();
    for (const PanelKindInfo& info : kPanelKinds) {
        PanelWidget* given = panel(info.kind);
        if (!given) continue;
        const bool shown = shownBeforeMaximise_[static_cast<std::size_t>(info.kind)];
        given->setVisible(shown);
        commands_.shownChanged(info.kind, shown);
    }
    arrange(true);
}

// Below the status bar, the whole client area.
void PanelBoard::fillWithFormulaPanel() {
    const int top = commands_.top();
    formula()->fill(QRect(0, top, client_.width(), std::max(0, client_.height() - top)));
    commands_.moved();
}

void PanelBoard::setZoom(int percent, bool fitWindow) {
    percent = LayoutZoom(percent);
    if (percent == zoom_) return;
    zoom_ = percent;
    zoomChanged_ = true;
    calc_.setZoom(percent);
    // One repaint when all is in place, not one per moved control.
    client_.setUpdatesEnabled(false);
    place();
    arrange(fitWindow);
    client_.setUpdatesEnabled(true);
}

void PanelBoard::fitZoomToWindow() {
    if (arranging_ || !calc_.currentSet().ZoomFit || naturalSize_.isEmpty()) return;
    if (formulaMaximised()) return;
    const int top = commands_.top();
    const QSize room(client_.width(), client_.height() - top);
    setZoom(FittingZoom(room, naturalSize_), false);
}

}  // namespace tavrik::ui
