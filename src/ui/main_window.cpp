#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScopeGuard>
#include <utility>

#include "engine/button_codes.h"
#include "ui/button_panel.h"
#include "ui/desktop_capabilities.h"
#include "ui/display_panel.h"
#include "ui/formula_panel.h"
#include "ui/guide_lines.h"
#include "ui/keyboard_keys.h"
#include "ui/main_menu.h"
#include "ui/panel_arrangement.h"
#include "ui/settings_dialog/settings_dialog.h"
#include "ui/status_bar.h"
#include "ui/window_behaviours.h"

namespace tavrik::ui {

namespace {

// Letters of the panels this window builds so far.
constexpr std::string_view kBuiltPanels = "DBF";
// The panels that give way to the maximised formula panel.
constexpr std::string_view kPanelsBesideFormula = "DBMHS";

bool Names(const std::string& disp, char letter) {
    const char lower = static_cast<char>(letter - 'A' + 'a');
    return disp.find(letter) != std::string::npos || disp.find(lower) != std::string::npos;
}

bool Shows(const std::string& disp, char letter) {
    return disp.find(letter) != std::string::npos;
}

}  // namespace

MainWindow::MainWindow(Calculator& calc)
    : calc_(calc),
      client_(new QWidget(this)),
      statusBar_(new StatusBar(client_)),
      guides_(new GuideLayer(
          client_, [this] { return statusChecked_ ? statusBar_->height() : 0; },
          [this](const QString& position) { statusBar_->showMessage(position); })),
      behaviours_(new WindowBehaviours(
          *this, DetectDesktopCapabilities(),
          {[this](bool on) { statusBar_->setTopmostMark(on); }, [this] { ArrangePanels(false); },
           [this](bool on) { guides_->setSeeThrough(on); }})),
      popup_(new QMenu(this)) {
    setObjectName("TavrikF");
    setWindowTitle(QStringLiteral("Tavrik"));
    setCentralWidget(client_);
    setFocusPolicy(Qt::StrongFocus);
    // Typed keys belong to the keypad until the user moves into the formula editor.
    setFocus();
    menu_ = BuildMainMenu(
        *menuBar(), {[this] { calc_.PushBBtn(kAllClear); }, [this] { openSettingsDialog(); },
                     [this] { calc_.writeHistoryFile(); }, [this] { calc_.readHistoryFile(); },
                     [this](bool on) { calc_.setLogging(on); }, [this] { close(); },
                     [this](CalcMode mode) { calc_.switchMode(mode); },
                     [this](bool on) { calc_.setGrouping(on); }});
    menuBar()->installEventFilter(this);
    behaviours_->addMenuItems(*menuBar(), menu_.grouping);
    behaviours_->dragByBackground(*client_);
    buildPopupMenu();
}

// The main pop-up menu, opened on the window's background and panels.
void MainWindow::buildPopupMenu() {
    popup_->setObjectName("pmnMain");
    QAction* allClear =
        popup_->addAction(QStringLiteral("AC"), this, [this] { calc_.PushBBtn(kAllClear); });
    allClear->setObjectName("pmnAC");
    popup_->addSeparator();
    popup_->addAction(behaviours_->menuShownAction());
    popup_->addSeparator();
    QAction* exit = popup_->addAction(QStringLiteral("終了"), this, [this] { close(); });
    exit->setObjectName("pmnExit");
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    popup_->popup(event->globalPos());
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
                calc_.applySettings(std::move(settings));
                behaviours_->applyMenuCaptions(calc_.settings());
                calc_.selectSet(setIndex);
                LayoutPanels();
                // The layout took alpha blending from the set; the "透過"
                // check, which the user may have changed, decides it.
                behaviours_->restoreTransparencyCheck();
                refresh(kModeChanged);
            },
            [this] { return !settingsSaver_ || calc_.saveSettings(settingsSaver_); }};
        settingsDialog_ = std::make_unique<SettingsDialog>(std::move(host), this);
    }
    return *settingsDialog_;
}

void MainWindow::openSettingsDialog() {
    settingsDialog().open();
}

void MainWindow::LayoutPanels() {
    const SettingsSet& set = calc_.currentSet();
    behaviours_->applySet(set);
    statusChecked_ = set.StatusBarShown();
    statusBar_->setVisible(statusChecked_);

    const std::string& disp = set.Disp;
    for (char letter : kBuiltPanels) {
        if (!Names(disp, letter)) {
            if (PanelWidget* panel = panelOf(letter)) panel->hide();
            continue;
        }
        if (letter == 'D') {
            if (!display_) display_ = new DisplayPanel(client_);
            display_->build(set);
        } else if (letter == 'B') {
            if (!buttons_) buttons_ = new ButtonPanel(client_, [this](int tag) { BBtnClick(tag); });
            buttons_->build(set);
        } else if (letter == 'F') {
            if (!formula_)
                formula_ = new FormulaPanel(
                    client_, calc_,
                    {[this](bool on) { MaximiseFormulaPanel(on); }, [this] { close(); },
                     [this](const std::function<void()>& command) { withRefreshHeld(command); }});
            formula_->build(set);
        }
        panelOf(letter)->setVisible(Shows(disp, letter));
    }
    ArrangePanels(true);
    placeGuideBars();
    // A new layout ends the maximised formula panel, and with it the disabled "表示".
    if (QMenu* viewMenu = menuBar()->findChild<QMenu*>("mnuV")) viewMenu->setEnabled(true);
    refresh(kDisplayChanged | kStatusChanged | kKeypadChanged);
}

// The guide bars at the set's positions; the client area grows to hold them.
void MainWindow::placeGuideBars() {
    const GuidePlacement placed = guides_->place(calc_.currentSet(), client_->size());
    if (placed.client != client_->size())
        setClientSize(placed.client.width(), placed.client.height());
}

void MainWindow::ArrangePanels(bool first) {
    if (formula_ && formula_->maximised()) return fillWithFormulaPanel();
    int top = statusChecked_ ? statusBar_->preferredHeight() : 0;
    guides_->keepBelow(top);
    const bool displaySpans = display_ && !display_->isHidden() && display_->spansTop();
    if (displaySpans) {
        display_->move(0, top);
        top += display_->height();
    }

    const Arrangement arrangement =
        ArrangeColumns(calc_.currentSet().Disp, top, [&](char letter) -> std::optional<PanelSize> {
            if (letter == 'D' && displaySpans) return std::nullopt;
            const PanelWidget* panel = panelOf(letter);
            if (!panel || panel->isHidden()) return std::nullopt;
            return PanelSize{panel->width(), panel->height()};
        });
    for (const PlacedPanel& placed : arrangement.panels) {
        PanelWidget* panel = panelOf(placed.letter);
        panel->move(placed.x, placed.y);
        panel->fitWidth(placed.width);
    }

    int width = arrangement.right;
    int height = arrangement.bottom;
    if (!first) {
        width = std::max(width, client_->width());
        height = std::max(height, client_->height());
    }
    setClientSize(width, height);
    if (displaySpans) display_->fitWidth(std::max(arrangement.right, width));
    if (display_) calc_.setGeometry(display_->geometry());
}

void MainWindow::setClientSize(int width, int height) {
    client_->setMinimumSize(width, height);
    client_->resize(width, height);
    const int menuHeight = menuBar()->isVisibleTo(this) ? menuBar()->sizeHint().height() : 0;
    resize(width, height + menuHeight);
    placeStatusBar();
}

void MainWindow::placeStatusBar() {
    statusBar_->setGeometry(0, 0, client_->width(), statusBar_->preferredHeight());
}

void MainWindow::refresh(unsigned changes) {
    if (refreshHolds_ > 0) {
        heldChanges_ |= changes;
        return;
    }
    if ((changes & kDisplayChanged) && display_) display_->setText(calc_.displayText());
    if (changes & kStatusChanged) statusBar_->showLine(calc_.status());
    if ((changes & kKeypadChanged) && buttons_) buttons_->showFace(calc_.keypad());
    if ((changes & kSheetChanged) && formula_) formula_->showSheet();
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
        QAction* action = menu.addAction(QString::fromStdString(item.caption));
        action->setCheckable(true);
        action->setChecked(item.checked);
        const int tag = item.tag;
        connect(action, &QAction::triggered, this, [this, tag] { calc_.selectFunctionGroup(tag); });
    }
    menu.setEnabled(model.enabled);
    menu.menuAction()->setVisible(FunctionMenuVisible(calc_.mode()));
}

void MainWindow::reapplyStatusBar() {
    statusBar_->setVisible(statusChecked_);
    ArrangePanels(false);
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
        if (QMenu* viewMenu = menuBar()->findChild<QMenu*>("mnuV")) viewMenu->setEnabled(false);
        shownBeforeMaximise_.clear();
        for (char letter : kPanelsBesideFormula) {
            PanelWidget* panel = panelOf(letter);
            if (!panel || panel->isHidden()) continue;
            shownBeforeMaximise_ += letter;
            panel->hide();
        }
        fillWithFormulaPanel();
        return;
    }
    LayoutPanels();
    for (char letter : kPanelsBesideFormula)
        if (PanelWidget* panel = panelOf(letter))
            panel->setVisible(shownBeforeMaximise_.find(letter) != std::string::npos);
    ArrangePanels(true);
}

// Below the status bar, the whole client area.
void MainWindow::fillWithFormulaPanel() {
    const int top = statusChecked_ ? statusBar_->preferredHeight() : 0;
    formula_->fill(QRect(0, top, client_->width(), std::max(0, client_->height() - top)));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (formula_ && formula_->maximised()) fillWithFormulaPanel();
}

void MainWindow::BBtnClick(int tag) {
    calc_.PushBBtn(calc_.keypad()[static_cast<std::size_t>(tag)].code);
}

void MainWindow::forgetPressedKeys() {
    keys_.clear();
    calc_.forgetKeyDown();
}

// A held key repeats as further presses (and, on some systems, releases)
// marked as repeats; the key counts once, at its last release.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    handleKey({true, keys_.pressed(*event)});
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    handleKey({false, {keys_.released(*event), 0}});
}

void MainWindow::acceptKeys() {
    acceptingKeys_ = true;
    for (const TypedKey& typed : earlyKeys_) handleKey(typed);
    earlyKeys_.clear();
}

// Keys are paired by `keys_` as they come; until the calculator has started
// they wait in `earlyKeys_`.
void MainWindow::handleKey(const TypedKey& typed) {
    if (!acceptingKeys_) {
        earlyKeys_.push_back(typed);
        return;
    }
    if (typed.press) {
        calc_.keyDown(typed.key.code, typed.key.modifiers);
        return;
    }
    // A key without a code has no table entry to look up.
    if (typed.key.code != 0) calc_.keyUp(typed.key.code);
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

PanelWidget* MainWindow::panelOf(char letter) const {
    switch (letter) {
        case 'D':
            return display_;
        case 'B':
            return buttons_;
        case 'F':
            return formula_;
        default:
            return nullptr;
    }
}

}  // namespace tavrik::ui
