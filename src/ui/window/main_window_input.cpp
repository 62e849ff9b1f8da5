// The main window's input: typed keys, the keys that move between panels or
// open pop-up menus, the zoom wheel, and the pop-up menus themselves.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QWheelEvent>

#include "ui/panels/history_panel.h"
#include "ui/panels/panel_focus.h"
#include "ui/panels/zoom_control.h"
#include "ui/window/main_window.h"

namespace tavrik::ui {

// The history list's menu over the history list, the window's elsewhere.
void MainWindow::showPopupMenu(QPoint at) {
    const HistoryPanel* history = board_.history();
    const bool overHistory = history && history->isVisible() && history->geometry().contains(at);
    historyCopy_->setEnabled(calc_.history().current().selected >= 0);
    (overHistory ? historyPopup_ : popup_)->popup(client_->mapToGlobal(at));
}

// F6 and Shift+F6 move to the next or previous panel; the Menu key and
// Shift+F10 open the pop-up menu of the control in focus, as a right click
// on it would (the formula editor opens its own). A key the key table gives
// to the calculator stays the calculator's.
bool MainWindow::panelKey(const QKeyEvent& key) {
    if (AssignedInKeyTable(key, calc_.settings())) return false;
    QWidget* focused = QApplication::focusWidget();
    if (const std::optional<int> step = PanelStepOfKey(key)) {
        if (!key.isAutoRepeat())
            if (QWidget* control = PanelControlAfter(board_.tabOrder(), focused, *step))
                control->setFocus(*step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    if (!OpensPopupMenu(key) || qobject_cast<QPlainTextEdit*>(focused)) return false;
    // A control with a menu of its own (変換 in time mode) opens that.
    if (focused && focused != client_ && focused->contextMenuPolicy() == Qt::CustomContextMenu) {
        emit focused->customContextMenuRequested(focused->rect().center());
        return true;
    }
    const QWidget* over = focused && focused->window() == this ? focused : client_;
    showPopupMenu(over->mapTo(client_, over->rect().center()));
    return true;
}

void MainWindow::forgetPressedKeys() {
    keys_.forget();
}

// A held key repeats as further presses (and, on some systems, releases)
// marked as repeats; the key counts once, at its last release.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Zoom keys repeat while held; the calculator never sees them.
    if (const int zoom = ZoomForKey(*event, calc_.settings(), this->zoom())) {
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
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this &&
        panelKey(*static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        if (const int step = ZoomWheelStep(*static_cast<QWheelEvent*>(event))) {
            setZoom(SteppedZoom(zoom(), step));
            return true;
        }
    }
    // A desktop that turns dark (or light) gives the panels its new colours;
    // Qt tells the application object, not each window.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
        board_.place();
        ArrangePanels(false);
    }
    if (watched == client_ && event->type() == QEvent::Resize) {
        board_.stretchHistory();
        placeStatusBar();
    }
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

}  // namespace tavrik::ui
