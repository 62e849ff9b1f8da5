#include "ui/window/window_behaviours.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include "settings/setting_ranges.h"
#include "ui/menus/menu_captions.h"
#include "ui/window/about_box.h"
#include "ui/window/help_manual.h"
#include "ui/window/tray_icon.h"
#include "ui/window/window_frame.h"

namespace tavrik::ui {

namespace {

// Opacities are 0 (invisible) … 255 (opaque); a hand-edited value outside is clamped.
double Opacity(int alpha) {
    return static_cast<double>(kAlphaRange.clamp(alpha)) / kAlphaRange.max;
}

QAction* NewAction(QObject* parent, const char* name, const QString& caption, bool checkable) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    action->setCheckable(checkable);
    return action;
}

}  // namespace

WindowBehaviours::WindowBehaviours(QMainWindow& window, DesktopCapabilities caps,
                                   BehaviourHooks hooks)
    : QObject(&window),
      window_(window),
      caps_(caps),
      hooks_(std::move(hooks)),
      topmost_(NewAction(this, "mnuMTP", QStringLiteral("前面"), true)),
      tray_(NewAction(this, "mnuMSR", QStringLiteral("常駐"), true)),
      transparency_(NewAction(this, "mnuMTR", QStringLiteral("透過"), true)),
      titleBar_(NewAction(this, "mnuVTB", QStringLiteral("タイトルバー"), true)),
      menuBar_(NewAction(this, "mnuVMB", QStringLiteral("メニューバー"), true)),
      menuShown_(NewAction(this, "pmnMenu", QStringLiteral("メニュー表示"), true)),
      help_(NewAction(this, "mnuHHelp", QStringLiteral("Help"), false)),
      about_(NewAction(this, "mnuHAbout", QStringLiteral("About"), false)),
      manualPage_(FindManual(ManualFolders(QCoreApplication::applicationDirPath()))) {
    titleBar_->setChecked(true);
    menuBar_->setChecked(true);
    menuShown_->setChecked(true);
    if (!caps_.stayOnTop) disable(topmost_, kNoStayOnTopReason);
    if (caps_.systemTray == false) disable(tray_, kNoTrayReason);
    if (!caps_.opacity) disable(transparency_, kNoOpacityReason);
    if (!caps_.compositor) disable(transparency_, kNoCompositorReason);
    if (manualPage_.isEmpty()) disable(help_, kNoManualReason);
    // On a compositing desktop the window can always show through; what is
    // see-through is decided by the painting of the window colour.
    if (caps_.compositor) window_.setAttribute(Qt::WA_TranslucentBackground);

    connect(topmost_, &QAction::triggered, this, [this](bool on) { setTopmost(on); });
    connect(tray_, &QAction::triggered, this, [this](bool on) { setTray(on); });
    connect(transparency_, &QAction::triggered, this, [this](bool on) { setAlphaBlending(on); });
    connect(titleBar_, &QAction::triggered, this, [this](bool normal) {
        setTitleBar(normal);
        hooks_.arrange();
    });
    connect(menuBar_, &QAction::triggered, this, [this](bool shown) { showMenuBar(shown); });
    connect(menuShown_, &QAction::triggered, this, [this](bool shown) { showMenuBar(shown); });
    connect(help_, &QAction::triggered, this, [this] {
        if (!OpenManual(manualPage_))
            QMessageBox::warning(&window_, QStringLiteral("Tavrik"),
                                 QStringLiteral("マニュアルを開けませんでした: ") + manualPage_);
    });
    connect(about_, &QAction::triggered, this, [this] { aboutBox().execCentredOn(window_); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this] {
        applyOpacity();
        checkCompositor();
    });
}

WindowBehaviours::~WindowBehaviours() = default;

void WindowBehaviours::disable(QAction* action, const char* reason) {
    action->setEnabled(false);
    action->setToolTip(QString::fromUtf8(reason));
}

void WindowBehaviours::addMenuItems(QMenuBar& bar, QAction* modeChecksBefore) {
    if (auto* mode = bar.findChild<QMenu*>("mnuM")) {
        mode->insertActions(modeChecksBefore, {topmost_, tray_, transparency_});
        mode->setToolTipsVisible(true);
        connect(mode, &QMenu::aboutToShow, this, [this] { checkCompositor(); });
    }
    if (auto* view = bar.findChild<QMenu*>("mnuV")) {
        const QList<QAction*> existing = view->actions();
        view->insertActions(existing.isEmpty() ? nullptr : existing.first(), {titleBar_, menuBar_});
    }
    if (auto* help = bar.findChild<QMenu*>("mnuH")) {
        help->addActions({help_, about_});
        help->setToolTipsVisible(true);
    }
}

void WindowBehaviours::setCaptionFlag(bool captionFlag) {
    if (captionFlag_ == captionFlag) return;
    captionFlag_ = captionFlag;
    applyFlags();
    if (!captionFlag_) qApp->installEventFilter(this);
}

void WindowBehaviours::applySet(const SettingsSet& set) {
    titleBar_->setChecked(set.TBA);
    applyFlags();
    alphaBlending_ = set.Trans;
    alphaActive_ = set.AlphaA;
    alphaInactive_ = set.AlphaD;
    applyOpacity();
    hooks_.seeThrough(set.PTrans && caps_.compositor);
}

void WindowBehaviours::start(const GlobalSettings& settings) {
    setTopmost(settings.TPM && caps_.stayOnTop);
    setTray(settings.TSR && trayAvailable());
    // Otherwise the tray is asked about once the window is up, so that "常駐"
    // shows whether it can work.
    if (!settings.TSR) QTimer::singleShot(0, this, [this] { trayAvailable(); });
    if (settings.Save) alphaBlending_ = settings.Trans;
    applyOpacity();
    transparency_->setChecked(alphaBlending_);
    applyMenuCaptions(settings);
}

void WindowBehaviours::applyMenuCaptions(const GlobalSettings& settings) {
    ApplyMenuCaptions(*window_.menuBar(), settings);
}

void WindowBehaviours::restoreTransparencyCheck() {
    setAlphaBlending(transparency_->isChecked());
}

void WindowBehaviours::setCompositorProbe(std::function<bool()> probe) {
    compositorProbe_ = std::move(probe);
}

// A compositing manager may start or stop while the window runs; "透過" follows
// it when the user next opens "モード" or comes back to the window.
void WindowBehaviours::checkCompositor() {
    if (!compositorProbe_ || !caps_.opacity) return;
    const bool running = compositorProbe_();
    if (running == caps_.compositor) return;
    caps_.compositor = running;
    if (!running) {
        disable(transparency_, kNoCompositorReason);
        return;
    }
    transparency_->setEnabled(true);
    transparency_->setToolTip(QString());
}

void WindowBehaviours::setTopmost(bool on) {
    topmost_->setChecked(on);
    applyFlags();
    hooks_.showTopmostMark(on);
}

QMenu* WindowBehaviours::trayMenu() const {
    return trayIcon_ ? &trayIcon_->menu() : nullptr;
}

bool WindowBehaviours::inTray() const {
    return trayIcon_ && trayIcon_->isShown();
}

// The application keeps running while its only window is hidden in the tray.
// Built the first time it is shown: nothing of it is seen before.
AboutBox& WindowBehaviours::aboutBox() {
    if (!aboutBox_) aboutBox_ = new AboutBox(&window_);
    return *aboutBox_;
}

bool WindowBehaviours::trayAvailable() {
    if (!caps_.systemTray) {
        caps_.systemTray = SystemTrayAvailable();
        if (!*caps_.systemTray) disable(tray_, kNoTrayReason);
    }
    return *caps_.systemTray;
}

void WindowBehaviours::setTray(bool on) {
    on = on && trayAvailable();
    tray_->setChecked(on);
    if (on && !trayIcon_) {
        trayIcon_ = std::make_unique<TrayIcon>(
            this, TrayCommands{[this] { showWindow(); },
                               // The window stays as it is.
                               [this] { aboutBox().execAtPointer(); }, [this] { requestExit(); }});
    }
    if (trayIcon_) trayIcon_->setShown(on);
    QApplication::setQuitOnLastWindowClosed(!inTray());
}

void WindowBehaviours::setAlphaBlending(bool on) {
    transparency_->setChecked(on);
    alphaBlending_ = on;
    applyOpacity();
}

// The active or inactive opacity, by the application's state; opaque while
// alpha blending is off.
void WindowBehaviours::applyOpacity() {
    const bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
    window_.setWindowOpacity(alphaBlending_ ? Opacity(active ? alphaActive_ : alphaInactive_)
                                            : 1.0);
}

void WindowBehaviours::setTitleBar(bool normal) {
    titleBar_->setChecked(normal);
    applyFlags();
}

// The window gains or loses the menu bar's height; the client area keeps its size.
void WindowBehaviours::showMenuBar(bool shown) {
    menuBar_->setChecked(shown);
    menuShown_->setChecked(shown);
    const QSize client = window_.centralWidget()->size();
    window_.menuBar()->setVisible(shown);
    hooks_.keepClientSize(client);
    hooks_.arrange();
}

// Qt hides a window whose flags change; a shown one is shown again.
void WindowBehaviours::applyFlags() {
    const Qt::WindowFlags flags =
        WindowFrameFlags(captionFlag_, titleBar_->isChecked(), topmost_->isChecked());
    if (window_.windowFlags() == flags) return;
    const bool shown = window_.isVisible();
    window_.setWindowFlags(flags);
    if (shown) window_.show();
}

bool WindowBehaviours::acceptClose() {
    if (!inTray()) return true;
    if (!exitRequested_) {
        window_.hide();
        return false;
    }
    trayIcon_->setShown(false);
    QApplication::setQuitOnLastWindowClosed(true);
    return true;
}

void WindowBehaviours::dragByBackground(QWidget& widget) {
    widget.setProperty(kDragsWindow, true);
}

void WindowBehaviours::showWindow() {
    if (window_.isMinimized())
        window_.showNormal();
    else
        window_.show();
    window_.raise();
    window_.activateWindow();
}

// Closing a window that is already hidden does not end the event loop: the
// accepted exit ends it, and the program exits and saves as usual.
void WindowBehaviours::requestExit() {
    exitRequested_ = true;
    if (window_.close()) QCoreApplication::quit();
}

// Without a caption bar a press on the window's edge sizes it (moves it with
// Ctrl and Alt held), and a press on its background that no control took
// moves it. Presses on controls are theirs.
bool WindowBehaviours::eventFilter(QObject* watched, QEvent* event) {
    if (captionFlag_ || event->type() != QEvent::MouseButtonPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWindow* handle = window_.windowHandle();
    if (!widget || widget->window() != &window_ || !handle) return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() != Qt::LeftButton) return false;

    const QPoint pos = window_.mapFromGlobal(press->globalPosition().toPoint());
    const Qt::Edges edges = FrameEdgesAt(pos, window_.size());
    constexpr Qt::KeyboardModifiers kMoveFrame = Qt::ControlModifier | Qt::AltModifier;
    if (edges != Qt::Edges()) {
        if ((press->modifiers() & kMoveFrame) == kMoveFrame) return handle->startSystemMove();
        return handle->startSystemResize(edges);
    }
    if (widget->property(kDragsWindow).toBool()) return handle->startSystemMove();
    return false;
}

}  // namespace tavrik::ui
