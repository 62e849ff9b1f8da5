#include "ui/window/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScopeGuard>
#include <utility>

#include "settings/key_codes.h"
#include "ui/menus/key_shortcuts.h"
#include "ui/menus/main_menu.h"
#include "ui/menus/set_menu.h"
#include "ui/panels/history_panel.h"
#include "ui/panels/layout_scale.h"
#include "ui/panels/zoom_control.h"
#include "ui/platform/desktop_capabilities.h"
#include "ui/print/tape_printing.h"
#include "ui/settings_dialog/settings_dialog.h"
#include "ui/window/announcer.h"
#include "ui/window/control_keys.h"
#include "ui/window/focus_ring.h"
#include "ui/window/guide_layer.h"
#include "ui/window/status_bar.h"
#include "ui/window/window_behaviours.h"
#include "ui/window/window_placement.h"

namespace tavrik::ui {

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
           [this](QSize client) { keepClientSize(client); }})),
      focusRing_(new FocusRing(client_)),
      announcer_(new Announcer(client_, calc_)),
      board_(*client_, calc_, boardCommands()) {
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
         [this](bool on) { calc_.setGrouping(on); }, [this] { calc_.undo(); },
         [this] { calc_.redo(); }, [this] { calc_.pasteClipboard(); },
         [this] { calc_.copyPlainNumber(); },
         [this] {
             if (const auto path = askFilePath(FileDialogKind::SaveCsv, QStringLiteral("CSV書出")))
                 calc_.exportHistoryCsv(*path);
         }});
    new TapePrinting(*this, *menuBar()->findChild<QMenu*>("mnuOH"),
                     [this] { return CurrentTape(calc_); });
    view_ =
        BuildViewMenu(*menu_.view, [this](std::optional<PanelKind> kind) { viewToggled(kind); });
    popup_ = BuildMainPopupMenu(*this, view_, behaviours_->menuShownAction(),
                                {[this] { calc_.PushBBtn(kAllClear); }, [this] { showAll(true); },
                                 [this] { showAll(false); }, [this] { close(); }});
    historyPopup_ = BuildHistoryPopupMenu(
        *this, *popup_, [this] { calc_.copyHistoryLine(); },
        [this] {
            if (const HistoryPanel* history = board_.history())
                calc_.copyHistoryLines(history->selectedLines());
        },
        historyCopy_);
    client_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(client_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { showPopupMenu(at); });
    new ControlKeys(*this,
                    {[this] { calc_.replayHistoryLine(); }, [this] { calc_.deleteHistoryLine(); },
                     [this](QKeyEvent* key) { keyPressEvent(key); }});
    client_->installEventFilter(this);
    menuBar()->installEventFilter(this);
    // Ctrl + the wheel zooms over every control of the window, even those
    // that take the wheel themselves (lists, the formula editor).
    qApp->installEventFilter(this);
    behaviours_->addMenuItems(*menuBar(), menu_.grouping);
    behaviours_->dragByBackground(*client_);
    behaviours_->setCompositorProbe(CompositorProbe());
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

// The window's side of what the panel board does.
PanelBoardCommands MainWindow::boardCommands() {
    return {[this] { return statusBarTop(); },
            [this](QSize size) { setClientSize(size.width(), size.height()); },
            [this] { focusRing_->follow(); },
            [this](bool on) { view_.menu->setEnabled(!on); },
            [this] { LayoutPanels(); },
            [this](PanelKind kind, bool shown) { view_.panel(kind)->setChecked(shown); },
            [this] { close(); },
            [this](const std::function<void()>& command) { withRefreshHeld(command); },
            [this](FileDialogKind kind, const QString& title) { return askFilePath(kind, title); }};
}

void MainWindow::LayoutPanels() {
    const SettingsSet& set = calc_.currentSet();
    behaviours_->applySet(set);
    view_.statusBar->setChecked(set.StatusBarShown());
    statusBar_->setVisible(set.StatusBarShown());

    // An absent panel has its "表示" item removed.
    const DispReading disp = ReadDisp(set.Disp);
    buildBoard(disp);
    for (const PanelKindInfo& info : kPanelKinds) {
        const bool built = board_.panel(info.kind) != nullptr;
        QAction* item = view_.panel(info.kind);
        item->setVisible(disp[info.kind].present && built);
        item->setChecked(disp[info.kind].shown && built);
    }
    // History is recorded exactly while the history operation panel is shown.
    calc_.setRecording(view_.panel(PanelKind::HistoryOps)->isChecked());
    announcer_->setInForce();
    refillSetMenu();
    ArrangePanels(true);
    placeGuideBars();
    // A new layout ends the maximised formula panel, and with it the disabled "表示".
    view_.menu->setEnabled(true);
    refresh(kDisplayChanged | kStatusChanged | kKeypadChanged | kMemoryChanged | kHistoryChanged);
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

void MainWindow::ArrangePanels(bool first) {
    guides_->keepBelow(statusBarTop());
    board_.arrange(first);
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
    const QSize natural = board_.naturalSize();
    if (calc_.currentSet().ZoomFit && !natural.isEmpty()) {
        const LayoutScale smallest(kZoomRange.min);
        minimum = minimum.boundedTo(QSize(smallest.length(natural.width()),
                                          statusBarTop() + smallest.length(natural.height())));
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

void MainWindow::placeStatusBar() {
    statusBar_->setGeometry(0, 0, client_->width(), statusBar_->preferredHeight());
}

int MainWindow::statusBarTop() const {
    return statusBarShown() ? statusBar_->preferredHeight() : 0;
}

void MainWindow::refresh(unsigned changes) {
    if (refreshHolds_ > 0) {
        heldChanges_ |= changes;
        return;
    }
    board_.show(changes);
    if (changes & kStatusChanged) statusBar_->showLine(calc_.status());
    if (changes & kModeChanged) {
        menu_.modes[static_cast<std::size_t>(ModeIndex(calc_.mode()))]->setChecked(true);
        menu_.grouping->setChecked(calc_.grouping());
        refillFunctionMenu();
        showUndoShortcuts();
    }
    // Every key step changes what can be undone; the items are disabled, not
    // hidden, while there is nothing to undo or redo.
    menu_.undo->setEnabled(calc_.canUndo());
    menu_.redo->setEnabled(calc_.canRedo());
    if (changes & kLogChanged) {
        menu_.log->setChecked(calc_.log().active());
        menu_.log->setText(QString::fromUtf8(calc_.log().menuCaption()));
        setWindowTitle(QString::fromUtf8(calc_.log().windowTitle()));
    }
    announcer_->changed(changes);
}

// The undo items show the keys of the key table. The keys reach the
// calculator through the key table only: the items' shortcuts act only while
// the menu bar itself holds the keyboard, when the window gets no keys.
void MainWindow::showUndoShortcuts() {
    const UndoShortcuts shortcuts = UndoKeyShortcuts(calc_.settings().Keys, calc_.mode());
    menu_.undo->setShortcuts(shortcuts.undo);
    menu_.redo->setShortcuts(shortcuts.redo);
}

void MainWindow::refillFunctionMenu() {
    FillFunctionMenu(*menu_.functions, calc_.functionMenu(), calc_.mode(),
                     [this](int tag) { calc_.selectFunctionGroup(tag); });
}

void MainWindow::reapplyStatusBar() {
    viewToggled(std::nullopt);
}

void MainWindow::applyViewCheck(std::optional<PanelKind> kind) {
    if (!kind)
        statusBar_->setVisible(view_.statusBar->isChecked());
    else if (PanelWidget* panel = board_.panel(*kind))
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

void MainWindow::refillSetMenu() {
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
    return AskFilePath(this, kind, title);
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

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    board_.resized();
}

void MainWindow::setZoom(int percent, bool fitWindow) {
    const int before = zoom();
    board_.setZoom(percent, fitWindow);
    if (zoom() != before) statusBar_->showBriefly(QStringLiteral("ズーム %1%").arg(zoom()));
}

void MainWindow::restoreHistoryUnannounced(const std::function<void()>& restore) {
    if (HistoryPanel* history = board_.history())
        history->showUnannounced(restore);
    else
        restore();
}

}  // namespace tavrik::ui
