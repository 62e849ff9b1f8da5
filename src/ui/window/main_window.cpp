#include "ui/window/main_window.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/button_codes.h"
#include "ui/menus/main_menu.h"
#include "ui/menus/set_menu.h"
#include "ui/panels/button_panel.h"
#include "ui/panels/display_panel.h"
#include "ui/panels/formula_panel.h"
#include "ui/panels/history_operation_panel.h"
#include "ui/panels/history_panel.h"
#include "ui/panels/layout_scale.h"
#include "ui/panels/memory_panel.h"
#include "ui/panels/panel_arrangement.h"
#include "ui/panels/panel_focus.h"
#include "ui/platform/desktop_capabilities.h"
#include "ui/settings_dialog/settings_dialog.h"
#include "ui/window/announcer.h"
#include "ui/window/focus_ring.h"
#include "ui/window/guide_lines.h"
#include "ui/window/key_router.h"
#include "ui/window/status_bar.h"
#include "ui/window/window_behaviours.h"
#include "ui/window/window_placement.h"
#include "ui/window/zoom_control.h"
#include "values/large_number_reading.h"

namespace tavrik::ui {

namespace {

// Every panel but the formula panel gives way to the maximised formula panel.
bool GivesWayToFormula(PanelKind kind) {
    return kind != PanelKind::Formula;
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Tab and Shift+Tab, which Qt turns into moves between the controls.
bool MovesFocus(const QKeyEvent& key) {
    const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
    return tab && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// The keys with which the history list moves its selection.
bool MovesInList(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

MainWindow::MainWindow(Calculator& calc)
    : calc_(calc),
      client_(new QWidget(this)),
      statusBar_(new StatusBar(client_)),
      guides_(new GuideLayer(
          client_, [this] { return statusBarShown() ? statusBar_->height() : 0; },
          [this](const QString& position) { statusBar_->showMessage(position); })),
      behaviours_(new WindowBehaviours(
          *this, DetectDesktopCapabilities(),
          {[this](bool on) { statusBar_->setTopmostMark(on); }, [this] { ArrangePanels(false); },
           [this](bool on) { guides_->setSeeThrough(on); },
           [this](QSize client) { keepClientSize(client); }})) {
    focusRing_ = new FocusRing(client_);
    announcer_ = new Announcer(client_);
    // What the calculator shows at the start is not news.
    announcedMode_ = calc_.mode();
    announcedDisplay_ = calc_.displayText();
    setObjectName("TavrikF");
    setWindowTitle(QStringLiteral("Tavrik"));
    setCentralWidget(client_);
    // Typed keys belong to the keypad until the user moves into the formula
    // editor. The window takes the keys first, but it is no stop of Tab: every
    // stop is a control that can be seen.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    menu_ = BuildMainMenu(
        *menuBar(),
        {[this] { calc_.PushBBtn(kAllClear); }, [this] { openSettingsDialog(); },
         [this] { LayoutPanels(); },
         [this] {
             if (const auto path = askFilePath(FileDialogKind::Save, QStringLiteral("書出")))
                 calc_.writeHistoryFile(*path);
         },
         [this] {
             if (const auto path = askFilePath(FileDialogKind::Open, QStringLiteral("読込")))
                 calc_.readHistoryFile(*path);
         },
         [this](bool on) { logToggled(on); }, [this] { close(); },
         [this](CalcMode mode) { calc_.switchMode(mode); },
         [this](bool on) { calc_.setGrouping(on); }, [this] { calc_.pasteClipboard(); },
         [this] { calc_.copyPlainNumber(); }});
    view_ =
        BuildViewMenu(*menu_.view, [this](std::optional<PanelKind> kind) { viewToggled(kind); });
    popup_ = BuildMainPopupMenu(*this, view_, behaviours_->menuShownAction(),
                                {[this] { calc_.PushBBtn(kAllClear); }, [this] { showAll(true); },
                                 [this] { showAll(false); }, [this] { close(); }});
    addHistoryCopyItem();
    client_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(client_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { showPopupMenu(at); });
    client_->installEventFilter(this);
    menuBar()->installEventFilter(this);
    // Ctrl + the wheel zooms over every control of the window, even those
    // that take the wheel themselves (lists, the formula editor).
    qApp->installEventFilter(this);
    behaviours_->addMenuItems(*menuBar(), menu_.grouping);
    behaviours_->dragByBackground(*client_);
    behaviours_->setCompositorProbe(CompositorProbe());
}

// Over the history list the pop-up menu is headed by "式をコピー"; the items
// of the main pop-up menu follow, the same items with the same states.
void MainWindow::addHistoryCopyItem() {
    historyPopup_ = new QMenu(this);
    historyPopup_->setObjectName("pmnH");
    historyCopy_ = historyPopup_->addAction(QStringLiteral("式をコピー"));
    historyCopy_->setObjectName("pmnHCopy");
    connect(historyCopy_, &QAction::triggered, this, [this] { calc_.copyHistoryLine(); });
    historyPopup_->addSeparator();
    historyPopup_->addActions(popup_->actions());
    connect(historyPopup_, &QMenu::aboutToShow, popup_, &QMenu::aboutToShow);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (behaviours_->acceptClose())
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}

MainWindow::~MainWindow() = default;

SettingsDialog& MainWindow::settingsDialog() {
    if (!settingsDialog_) {
        SettingsDialogHost host{
            [this]() -> const GlobalSettings& { return calc_.settings(); },
            [this] { return calc_.currentSetIndex(); },
            [this](GlobalSettings settings, int setIndex) {
                calc_.applyEditedSettings(std::move(settings), setIndex);
                behaviours_->applyMenuCaptions(calc_.settings());
                LayoutPanels();
                // The layout took alpha blending from the set; the "透過"
                // check, which the user may have changed, decides it.
                behaviours_->restoreTransparencyCheck();
                refresh(kModeChanged);
            },
            [this] { return !settingsSaver_ || calc_.saveSettings(settingsSaver_); },
            settingsLossCheck_};
        settingsDialog_ = std::make_unique<SettingsDialog>(std::move(host), this);
    }
    return *settingsDialog_;
}

void MainWindow::openSettingsDialog() {
    settingsDialog().open();
}

void MainWindow::LayoutPanels() {
    const SettingsSet& set = calc_.currentSet();
    zoom_ = LayoutZoom(set.Zoom);
    behaviours_->applySet(set);
    view_.statusBar->setChecked(set.StatusBarShown());
    statusBar_->setVisible(set.StatusBarShown());

    // An absent panel has its "表示" item removed.
    const DispReading disp = ReadDisp(set.Disp);
    for (const PanelKindInfo& info : kPanelKinds) {
        const PanelPresence& named = disp[info.kind];
        if (named.present) buildPanel(info.kind, set);
        PanelWidget* panel = panelOf(info.kind);
        QAction* item = view_.panel(info.kind);
        item->setVisible(named.present && panel);
        item->setChecked(named.shown && panel);
        if (panel) panel->setVisible(item->isChecked());
    }
    // History is recorded exactly while the history operation panel is shown.
    calc_.setRecording(view_.panel(PanelKind::HistoryOps)->isChecked());
    // Another set came into force: say which (the first layout says nothing).
    if (announcedSet_ >= 0 && calc_.currentSetIndex() != announcedSet_ && !set.name.empty())
        announcer_->announce(QStringLiteral("設定: ") + QString::fromStdString(set.name));
    announcedSet_ = calc_.currentSetIndex();
    showSetMenu();
    ArrangePanels(true);
    placeGuideBars();
    // A new layout ends the maximised formula panel, and with it the disabled "表示".
    view_.menu->setEnabled(true);
    refresh(kDisplayChanged | kStatusChanged | kKeypadChanged | kMemoryChanged | kHistoryChanged);
}

void MainWindow::buildPanel(PanelKind kind, const SettingsSet& set) {
    PanelWidget*& panel = panels_[static_cast<std::size_t>(kind)];
    const auto scaled = [this](auto* built) {
        built->setScale(LayoutScale(zoom_));
        return built;
    };
    switch (kind) {
        case PanelKind::Display:
            if (!panel) panel = new DisplayPanel(client_);
            scaled(display())->build(set);
            break;
        case PanelKind::Buttons:
            if (!panel) panel = new ButtonPanel(client_, [this](int tag) { BBtnClick(tag); });
            scaled(buttons())->build(set);
            break;
        case PanelKind::Memory:
            if (!panel)
                panel = new MemoryPanel(client_, {[this](int slot) { calc_.selectMemory(slot); },
                                                  [this](int slot) { calc_.storeMemory(slot); },
                                                  [this](int slot) { calc_.recallMemory(slot); }});
            scaled(memory())->build(set);
            break;
        case PanelKind::History:
            if (!panel)
                panel = new HistoryPanel(client_, std::as_const(calc_).history(),
                                         [this](int row) { calc_.selectHistoryLine(row); });
            scaled(history())->build(set);
            break;
        case PanelKind::HistoryOps:
            if (!panel)
                panel = new HistoryOperationPanel(
                    client_,
                    {[this] { calc_.clearHistory(); }, [this] { calc_.deleteHistoryLine(); },
                     [this] { calc_.replayHistoryLine(); },
                     [this](bool on) { calc_.setHistoryMoveDown(on); },
                     [this] { calc_.toggleRecording(); }});
            scaled(historyOps())->build(set);
            break;
        case PanelKind::Formula:
            if (!panel)
                panel = new FormulaPanel(
                    client_, calc_,
                    {[this](bool on) { MaximiseFormulaPanel(on); }, [this] { close(); },
                     [this](const std::function<void()>& command) { withRefreshHeld(command); },
                     [this](FileDialogKind kind, const QString& title) {
                         return askFilePath(kind, title);
                     }});
            scaled(formula())->build(set);
            break;
    }
}

// The guide bars at the set's positions; the client area grows to hold them.
// A position the layout worked out goes into the set in force.
void MainWindow::placeGuideBars() {
    const SettingsSet& set = calc_.currentSet();
    const GuidePlacement placed =
        guides_->place(set, client_->size(), LargestClientSize(menuBarHeight()));
    if (set.GXPos < 0 || set.GYPos < 0)
        calc_.keepGuideBarPositions(set.GXPos < 0 ? placed.barLeft : set.GXPos,
                                    set.GYPos < 0 ? placed.barTop : set.GYPos);
    if (placed.client != client_->size())
        setClientSize(placed.client.width(), placed.client.height());
}

void MainWindow::placePanels() {
    const SettingsSet& set = calc_.currentSet();
    for (const PanelKindInfo& info : kPanelKinds) {
        PanelWidget* panel = panelOf(info.kind);
        if (!panel || !view_.panel(info.kind)->isVisible()) continue;
        panel->setScale(LayoutScale(zoom_));
        panel->place(set);
    }
}

void MainWindow::setZoom(int percent, bool fitWindow) {
    percent = LayoutZoom(percent);
    if (percent == zoom_) return;
    zoom_ = percent;
    zoomChanged_ = true;
    calc_.setZoom(percent);
    // One repaint when all is in place, not one per moved control.
    setUpdatesEnabled(false);
    placePanels();
    ArrangePanels(fitWindow);
    setUpdatesEnabled(true);
    statusBar_->showBriefly(QStringLiteral("ズーム %1%").arg(percent));
}

void MainWindow::fitZoomToWindow() {
    if (arranging_ || !calc_.currentSet().ZoomFit || naturalSize_.isEmpty()) return;
    if (formula() && formula()->maximised()) return;
    const int top = statusBarShown() ? statusBar_->preferredHeight() : 0;
    const QSize room(client_->width(), client_->height() - top);
    setZoom(FittingZoom(room, naturalSize_), false);
}

void MainWindow::ArrangePanels(bool first) {
    if (formula() && formula()->maximised()) return fillWithFormulaPanel();
    arranging_ = true;
    const auto arranged = qScopeGuard([this] { arranging_ = false; });
    int top = statusBarShown() ? statusBar_->preferredHeight() : 0;
    guides_->keepBelow(top);
    const bool displaySpans = display() && !display()->isHidden() && display()->spansTop();
    if (displaySpans) {
        display()->move(0, top);
        top += display()->height();
    }

    const Arrangement arrangement = ArrangeColumns(
        ReadDisp(calc_.currentSet().Disp), top, [&](PanelKind kind) -> std::optional<PanelSize> {
            if (kind == PanelKind::Display && displaySpans) return std::nullopt;
            const PanelWidget* panel = panelOf(kind);
            if (!panel || panel->isHidden()) return std::nullopt;
            if (panel == history()) {
                history()->restoreHeight();
                return PanelSize{panel->width(), panel->height(), history()->stretches()};
            }
            return PanelSize{panel->width(), panel->height()};
        });
    for (const PlacedPanel& placed : arrangement.panels) {
        PanelWidget* panel = panelOf(placed.kind);
        panel->move(placed.x, placed.y);
        panel->fitWidth(placed.width);
    }

    int width = arrangement.right;
    int height = arrangement.bottom;
    const double factor = LayoutScale(zoom_).factor();
    naturalSize_ = QSize(static_cast<int>(std::lround(arrangement.right / factor)),
                         static_cast<int>(std::lround((arrangement.bottom - top) / factor)));
    if (!first) {
        width = std::max(width, client_->width());
        height = std::max(height, client_->height());
    }
    setClientSize(width, height);
    stretchHistory();
    if (displaySpans) display()->fitWidth(std::max(arrangement.right, width));
    if (display()) calc_.setGeometry(display()->geometry());
    orderTabs(arrangement);
    focusRing_->follow();
}

void MainWindow::stretchHistory() {
    if (history() && !history()->isHidden() && history()->stretches())
        history()->setPanelHeight(client_->height() - history()->y());
}

// Tab goes through the panels' controls in the order of `Disp`, and within
// a panel in reading order: row by row, left to right. A memory value joins
// when its register becomes the current one, so every value takes its
// place. The window sees their keys first.
void MainWindow::orderTabs(const Arrangement& arrangement) {
    QWidget* previous = nullptr;
    panelOrder_.clear();
    for (const PlacedPanel& placed : arrangement.panels) {
        PanelWidget* panel = panelOf(placed.kind);
        panelOrder_.push_back(panel);
        std::vector<QWidget*> controls;
        for (QWidget* control : panel->findChildren<QWidget*>()) {
            const bool memoryValue =
                placed.kind == PanelKind::Memory && qobject_cast<QLabel*>(control);
            if ((control->focusPolicy() & Qt::TabFocus) || memoryValue) controls.push_back(control);
        }
        const auto place = [panel](const QWidget* control) {
            const QPoint at = control->mapTo(panel, QPoint(0, 0));
            return std::pair(at.y(), at.x());
        };
        std::stable_sort(controls.begin(), controls.end(),
                         [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
        for (QWidget* control : controls) {
            control->installEventFilter(this);
            if (previous) QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
}

int MainWindow::menuBarHeight() const {
    return menuBar()->isVisibleTo(this) ? menuBar()->sizeHint().height() : 0;
}

// The client area at the size the layout asks for, up to the screens' size.
// The window's minimum size follows at once, so that it can shrink too.
void MainWindow::setClientSize(int width, int height) {
    // A zoom that follows the window lets the window shrink to the smallest zoom.
    const int menuHeight = menuBarHeight();
    const QSize size = QSize(width, height).boundedTo(LargestClientSize(menuHeight));
    QSize minimum = size;
    if (calc_.currentSet().ZoomFit && !naturalSize_.isEmpty()) {
        const LayoutScale smallest(kZoomRange.min);
        const int top = statusBarShown() ? statusBar_->preferredHeight() : 0;
        minimum = minimum.boundedTo(QSize(smallest.length(naturalSize_.width()),
                                          top + smallest.length(naturalSize_.height())));
    }
    client_->setMinimumSize(minimum);
    client_->resize(size);
    QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);
    resize(size.width(), size.height() + menuHeight);
    placeStatusBar();
}

void MainWindow::keepClientSize(QSize client) {
    setClientSize(client.width(), client.height());
}

// The history list's menu over the history list, the window's elsewhere.
void MainWindow::showPopupMenu(QPoint at) {
    const bool overHistory =
        history() && history()->isVisible() && history()->geometry().contains(at);
    historyCopy_->setEnabled(calc_.history().current().selected >= 0);
    (overHistory ? historyPopup_ : popup_)->popup(client_->mapToGlobal(at));
}

void MainWindow::restoreHistoryUnannounced(const std::function<void()>& restore) {
    if (history())
        history()->showUnannounced(restore);
    else
        restore();
}

void MainWindow::placeStatusBar() {
    statusBar_->setGeometry(0, 0, client_->width(), statusBar_->preferredHeight());
}

void MainWindow::refresh(unsigned changes) {
    if (refreshHolds_ > 0) {
        heldChanges_ |= changes;
        return;
    }
    if ((changes & (kDisplayChanged | kModeChanged)) && display()) {
        display()->setText(calc_.displayText());
        if (display()->showsReading()) display()->setReading(readingOf(calc_.displayText()));
    }
    if ((changes & kDisplayChanged) && formula()) formula()->displayChanged();
    if (changes & kStatusChanged) statusBar_->showLine(calc_.status());
    if ((changes & kKeypadChanged) && buttons()) buttons()->showFace(calc_.keypad());
    if ((changes & kMemoryChanged) && memory()) memory()->showRegisters(calc_.memory());
    if (changes & (kHistoryChanged | kModeChanged)) {
        if (history()) history()->showHistory();
        if (historyOps()) historyOps()->showState(std::as_const(calc_).history());
    }
    if ((changes & kSheetChanged) && formula()) formula()->showSheet();
    if (changes & kModeChanged) {
        menu_.modes[static_cast<std::size_t>(ModeIndex(calc_.mode()))]->setChecked(true);
        menu_.grouping->setChecked(calc_.grouping());
        showFunctionMenu();
    }
    if (changes & kLogChanged) {
        menu_.log->setChecked(calc_.log().active());
        menu_.log->setText(QString::fromUtf8(calc_.log().menuCaption()));
        setWindowTitle(QString::fromUtf8(calc_.log().windowTitle()));
    }
    announceChanges(changes);
}

// Said once the command that changed the models has finished, when the
// calculator's state is whole: one announcement, the error before the mode,
// the mode before the result it shows.
void MainWindow::announceChanges(unsigned changes) {
    if (pendingAnnouncement_ == 0)
        QMetaObject::invokeMethod(
            this, [this] { announce(); }, Qt::QueuedConnection);
    pendingAnnouncement_ |= changes;
}

void MainWindow::announce() {
    const unsigned changes = std::exchange(pendingAnnouncement_, 0u);
    QString text;
    if ((changes & kDisplayChanged) && calc_.displayText() != announcedDisplay_) {
        announcedDisplay_ = calc_.displayText();
        if (calc_.state().entry.resultShown()) text = QString::fromStdString(announcedDisplay_);
    }
    if ((changes & kModeChanged) && calc_.mode() != announcedMode_) {
        announcedMode_ = calc_.mode();
        text = QStringLiteral("モード: ") + QString::fromUtf8(Calculator::ModeName(calc_.mode()));
    }
    if ((changes & kStatusChanged) && calc_.status().strip() != announcedError_) {
        announcedError_ = calc_.status().strip();
        if (!announcedError_.empty()) text = QString::fromStdString(announcedError_);
    }
    announcer_->announce(text);
}

// The "関数" menu: one radio item per function group, shown in decimal mode only.
void MainWindow::showFunctionMenu() {
    const FunctionMenu& model = calc_.functionMenu();
    QMenu& menu = *menu_.functions;
    // The clicked item may be the one asking for this refresh: delete later.
    for (QAction* old : menu.actions()) {
        menu.removeAction(old);
        old->deleteLater();
    }
    for (const FunctionMenuItem& item : model.items) {
        // The trailing blank of a caption is not read out as part of its name.
        QAction* action = menu.addAction(QString::fromStdString(item.caption).trimmed());
        action->setCheckable(true);
        action->setChecked(item.checked);
        const int tag = item.tag;
        connect(action, &QAction::triggered, this, [this, tag] { calc_.selectFunctionGroup(tag); });
    }
    menu.setEnabled(model.enabled);
    menu.menuAction()->setVisible(FunctionMenuVisible(calc_.mode()));
}

void MainWindow::reapplyStatusBar() {
    viewToggled(std::nullopt);
}

void MainWindow::applyViewCheck(std::optional<PanelKind> kind) {
    if (!kind)
        statusBar_->setVisible(view_.statusBar->isChecked());
    else if (PanelWidget* panel = panelOf(*kind))
        panel->setVisible(view_.panel(*kind)->isChecked());
}

void MainWindow::viewToggled(std::optional<PanelKind> kind) {
    applyViewCheck(kind);
    ArrangePanels(false);
}

// Absent panels have no visible item and stay absent.
void MainWindow::showAll(bool shown) {
    const auto set = [&](QAction* item, std::optional<PanelKind> kind) {
        if (!item->isVisible() || item->isChecked() == shown) return;
        item->setChecked(shown);
        applyViewCheck(kind);
    };
    set(view_.statusBar, std::nullopt);
    for (const PanelKindInfo& info : kPanelKinds) set(view_.panel(info.kind), info.kind);
    ArrangePanels(false);
}

void MainWindow::showSetMenu() {
    FillSetMenu(*menu_.sets, calc_.settings(), calc_.currentSetIndex(),
                [this](int index) { calc_.chooseSet(index, [this] { LayoutPanels(); }); });
}

void MainWindow::showHeldChanges() {
    if (refreshHolds_ == 0 || heldChanges_ == 0) return;
    const int holds = std::exchange(refreshHolds_, 0);
    refresh(std::exchange(heldChanges_, 0u));
    refreshHolds_ = holds;
}

std::optional<std::string> MainWindow::askFilePath(FileDialogKind kind, const QString& title) {
    forgetPressedKeys();
    return AskTextFilePath(this, kind, title);
}

// A cancelled dialog starts no log, and the menu's check goes back to show that.
void MainWindow::logToggled(bool on) {
    if (!on) return calc_.stopLog();
    const auto path = calc_.log().active()
                          ? std::nullopt
                          : askFilePath(FileDialogKind::Save, QStringLiteral("ログ"));
    if (path)
        calc_.startLog(*path);
    else
        refresh(kLogChanged);
}

void MainWindow::withRefreshHeld(const std::function<void()>& command) {
    ++refreshHolds_;
    const auto release = qScopeGuard([this] {
        if (--refreshHolds_ == 0 && heldChanges_ != 0) refresh(std::exchange(heldChanges_, 0u));
    });
    command();
}

void MainWindow::MaximiseFormulaPanel(bool on) {
    if (on) {
        view_.menu->setEnabled(false);
        for (const PanelKindInfo& info : kPanelKinds) {
            PanelWidget* panel = panelOf(info.kind);
            bool& wasShown = shownBeforeMaximise_[static_cast<std::size_t>(info.kind)];
            wasShown = GivesWayToFormula(info.kind) && panel && !panel->isHidden();
            if (wasShown) panel->hide();
        }
        fillWithFormulaPanel();
        return;
    }
    LayoutPanels();
    for (const PanelKindInfo& info : kPanelKinds) {
        PanelWidget* panel = panelOf(info.kind);
        if (!panel || !GivesWayToFormula(info.kind)) continue;
        const bool shown = shownBeforeMaximise_[static_cast<std::size_t>(info.kind)];
        panel->setVisible(shown);
        view_.panel(info.kind)->setChecked(shown);
    }
    ArrangePanels(true);
}

// Below the status bar, the whole client area.
void MainWindow::fillWithFormulaPanel() {
    const int top = statusBarShown() ? statusBar_->preferredHeight() : 0;
    formula()->fill(QRect(0, top, client_->width(), std::max(0, client_->height() - top)));
    focusRing_->follow();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (formula() && formula()->maximised()) fillWithFormulaPanel();
    fitZoomToWindow();
}

// The value in 万, 億 … in decimal mode, when it reaches 万; nothing otherwise.
std::string MainWindow::readingOf(const std::string& text) const {
    if (calc_.mode() != CalcMode::Decimal) return {};
    std::string reading = LargeNumberReading(text);
    const bool hasUnit = std::any_of(reading.begin(), reading.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return hasUnit ? reading : std::string();
}

void MainWindow::BBtnClick(int tag) {
    calc_.PushBBtn(calc_.keypad()[static_cast<std::size_t>(tag)].code);
}

void MainWindow::forgetPressedKeys() {
    keys_.forget();
}

// A held key repeats as further presses (and, on some systems, releases)
// marked as repeats; the key counts once, at its last release.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Zoom keys repeat while held; the calculator never sees them.
    if (const int zoom = ZoomForKey(*event, calc_.settings(), zoom_)) {
        setZoom(zoom);
        return;
    }
    keys_.press(*event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (const std::optional<KeyboardKey> key = keys_.release(*event)) typed(*key);
}

void MainWindow::acceptKeys() {
    acceptingKeys_ = true;
    for (const KeyboardKey& key : earlyKeys_) typed(key);
    earlyKeys_.clear();
}

// Keys typed before the calculator has started wait in `earlyKeys_`.
void MainWindow::typed(const KeyboardKey& key) {
    if (!acceptingKeys_) {
        earlyKeys_.push_back(key);
        return;
    }
    calc_.pressKeyboardKey(key.code, key.modifiers);
}

// Keys held while another window takes the keyboard are released there. A
// menu of this window, which some platforms make the active window, is not
// another window: a key that goes down after it closes is already recorded
// when its activation change arrives.
void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        const QWidget* active = QApplication::activeWindow();
        if (!active || active->windowType() != Qt::Popup) forgetPressedKeys();
    }
    QMainWindow::changeEvent(event);
}

// A menu closed with Escape leaves the menu bar holding the keyboard, to move
// between the menus; it would take the next Escape only to let go. The window
// takes the keyboard back (the menu bar lets go when it loses the focus) and
// that Escape clears as usual.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        if (const int step = ZoomWheelStep(*static_cast<QWheelEvent*>(event))) {
            setZoom(SteppedZoom(zoom_, step));
            return true;
        }
    }
    // A desktop that turns dark (or light) gives the panels its new colours;
    // Qt tells the application object, not each window.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
        placePanels();
        ArrangePanels(false);
    }
    if (watched == client_ && event->type() == QEvent::Resize) {
        stretchHistory();
        placeStatusBar();
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this &&
        panelKey(*static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::KeyPress && watched != menuBar() && watched != client_)
        return controlKey(watched, static_cast<QKeyEvent*>(event));
    if (watched == menuBar() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            setFocus(Qt::OtherFocusReason);
            keyPressEvent(key);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// F6 and Shift+F6 move to the next or previous panel; the Menu key and
// Shift+F10 open the pop-up menu of the control in focus, as a right click
// on it would (the formula editor opens its own).
bool MainWindow::panelKey(const QKeyEvent& key) {
    if (AssignedInKeyTable(key, calc_.settings())) return false;
    QWidget* focused = QApplication::focusWidget();
    if (const std::optional<int> step = PanelStepOfKey(key)) {
        if (!key.isAutoRepeat())
            if (QWidget* control = PanelControlAfter(panelOrder_, focused, *step))
                control->setFocus(*step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    if (!OpensPopupMenu(key) || qobject_cast<QPlainTextEdit*>(focused)) return false;
    const QWidget* over = focused && focused->window() == this ? focused : client_;
    showPopupMenu(over->mapTo(client_, over->rect().center()));
    return true;
}

bool MainWindow::controlKey(QObject* control, QKeyEvent* key) {
    // The formula editor's keys are text, and Tab moves between the controls.
    if (qobject_cast<QPlainTextEdit*>(control) || MovesFocus(*key)) return false;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (!plain || !IsEnter(key->key()) || key->isAutoRepeat()) return false;
        button->click();
        return true;
    }
    if (auto* list = qobject_cast<QListView*>(control)) {
        if (plain && IsEnter(key->key())) {
            if (!key->isAutoRepeat()) calc_.replayHistoryLine();
            return true;
        }
        if (plain && key->key() == Qt::Key_Delete) {
            if (!key->isAutoRepeat()) calc_.deleteHistoryLine();
            return true;
        }
        if (MovesInList(key->key())) {
            // With no line selected, the first key selects one, from the top.
            if (!list->selectionModel()->hasSelection())
                list->selectionModel()->clearCurrentIndex();
            return false;
        }
        // Any other key is the calculator's, not the list's search.
        keyPressEvent(key);
        return true;
    }
    return false;
}

DisplayPanel* MainWindow::display() const {
    return static_cast<DisplayPanel*>(panelOf(PanelKind::Display));
}
ButtonPanel* MainWindow::buttons() const {
    return static_cast<ButtonPanel*>(panelOf(PanelKind::Buttons));
}
MemoryPanel* MainWindow::memory() const {
    return static_cast<MemoryPanel*>(panelOf(PanelKind::Memory));
}
HistoryPanel* MainWindow::history() const {
    return static_cast<HistoryPanel*>(panelOf(PanelKind::History));
}
HistoryOperationPanel* MainWindow::historyOps() const {
    return static_cast<HistoryOperationPanel*>(panelOf(PanelKind::HistoryOps));
}
FormulaPanel* MainWindow::formula() const {
    return static_cast<FormulaPanel*>(panelOf(PanelKind::Formula));
}

}  // namespace tavrik::ui
