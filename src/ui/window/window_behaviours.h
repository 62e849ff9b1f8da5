// The main window as a desktop object: staying in front, transparency, the
// tray icon, the caption and menu bars, menu captions, About and Help. Each
// command is disabled, with the reason as its tooltip, where the desktop
// cannot carry it out.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "settings/settings_model.h"
#include "ui/platform/desktop_capabilities.h"

namespace tavrik::ui {

class AboutBox;
class TrayIcon;

struct BehaviourHooks {
    std::function<void(bool)> showTopmostMark;  // "★" in status part 0
    std::function<void()> arrange;              // re-arrange the panels (not first)
    std::function<void(bool)> seeThrough;       // paint the window colour clear
    std::function<void(QSize)> keepClientSize;  // the client area at this size
};

class WindowBehaviours final : public QObject {
  public:
    WindowBehaviours(QMainWindow& window, DesktopCapabilities caps, BehaviourHooks hooks);
    ~WindowBehaviours() override;

    // Puts the commands into the menus of `bar`: "前面", "常駐", "透過" before
    // `modeChecksBefore` in "モード", "タイトルバー" and "メニューバー" at the
    // top of "表示", "Help" and "About" in "ヘルプ".
    void addMenuItems(QMenuBar& bar, QAction* modeChecksBefore);

    // From the `Caption` flag, before the window is first shown: false gives a
    // window without caption bar, moved by its background.
    void setCaptionFlag(bool captionFlag);
    // Each layout of the panels: frame from `TBA`, alpha blending from `Trans`,
    // the opacities and the see-through window colour.
    void applySet(const SettingsSet& set);
    // At start-up after the first layout: "前面" from `TPM`, "常駐" from `TSR`,
    // the global `Trans` when `Save` is on, the menu captions.
    void start(const GlobalSettings& settings);
    void applyMenuCaptions(const GlobalSettings& settings);
    // After the settings dialog: alpha blending back to the "透過" check.
    void restoreTransparencyCheck();

    // How to ask whether a compositing manager runs now; without it the
    // answer given at construction stands.
    void setCompositorProbe(std::function<bool()> probe);
    // "透過" is enabled exactly while a compositing manager runs.
    void checkCompositor();

    // The close policy: false (and the window hidden) while it lives in the tray.
    bool acceptClose();
    // Presses on `widget` that no child takes move a window without caption bar.
    void dragByBackground(QWidget& widget);

    bool alphaBlending() const { return alphaBlending_; }
    bool inTray() const;

    QAction* topmostAction() const { return topmost_; }
    QAction* transparencyAction() const { return transparency_; }
    QAction* menuBarAction() const { return menuBar_; }
    // "メニュー表示" of the main pop-up menu, the mirror of "メニューバー".
    QAction* menuShownAction() const { return menuShown_; }
    // The tray icon's menu; none before "常駐" was first checked.
    QMenu* trayMenu() const;

    // The tray's "表示": the window shown (also when minimised), raised and active.
    void showWindow();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setTopmost(bool on);
    void setTray(bool on);
    void setAlphaBlending(bool on);
    void applyOpacity();
    void setTitleBar(bool normal);
    void showMenuBar(bool shown);
    void applyFlags();
    void requestExit();
    static void disable(QAction* action, const char* reason);

    // Property of the background widgets that move a window without caption bar.
    static constexpr const char* kDragsWindow = "dragsWindow";

    QMainWindow& window_;
    // Asks the desktop about its tray the first time; disables "常駐" without one.
    bool trayAvailable();
    AboutBox& aboutBox();

    DesktopCapabilities caps_;
    BehaviourHooks hooks_;
    QAction* topmost_;
    QAction* tray_;
    QAction* transparency_;
    QAction* titleBar_;
    QAction* menuBar_;
    QAction* menuShown_;
    QAction* help_;
    QAction* about_;
    QString manualPage_;
    std::function<bool()> compositorProbe_;
    std::unique_ptr<TrayIcon> trayIcon_;
    AboutBox* aboutBox_ = nullptr;
    bool captionFlag_ = true;
    bool alphaBlending_ = false;
    int alphaActive_ = 255;
    int alphaInactive_ = 255;
    bool exitRequested_ = false;
};

}  // namespace tavrik::ui
