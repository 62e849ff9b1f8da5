// The main window `TavrikF`: menu bar, the status bar at the top, and the
// panels of the set in force, arranged in columns. It shows what the
// calculator keeps and hands every key to it.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/menus/main_menu.h"
#include "ui/menus/view_menu.h"
#include "ui/panels/panel_arrangement.h"
#include "ui/window/file_dialog.h"
#include "ui/window/key_router.h"

#include "engine/calculator.h"

namespace tavrik::ui {

class Announcer;
class ButtonPanel;
class DisplayPanel;
class FocusRing;
class FormulaPanel;
class GuideLayer;
class HistoryOperationPanel;
class HistoryPanel;
class MemoryPanel;
class PanelWidget;
class SettingsDialog;
class StatusBar;
class WindowBehaviours;

class MainWindow final : public QMainWindow {
  public:
    explicit MainWindow(Calculator& calc);
    ~MainWindow() override;

    // How "OK" of the settings dialog writes the settings; without it
    // nothing is written.
    void setSettingsSaver(std::function<bool(GlobalSettings&)> saver) {
        settingsSaver_ = std::move(saver);
    }
    // The characters the saver would lose (Shift-JIS cannot hold them); "OK"
    // names them and lets the user keep editing instead.
    void setSettingsLossCheck(
        std::function<std::vector<std::string>(const GlobalSettings&)> check) {
        settingsLossCheck_ = std::move(check);
    }
    // "設定変更": the settings dialog, built the first time it is asked for.
    SettingsDialog& settingsDialog();

    // Builds the panels named by the set in force, arranges them, and tells
    // the calculator the display geometry.
    void LayoutPanels();
    // Positions the shown panels; `first` sizes the window to fit them,
    // otherwise the window only grows.
    void ArrangePanels(bool first);

    // Re-reads the calculator's models named by the ViewChange bits.
    void refresh(unsigned changes);

    // Keys typed before this are kept and handed to the calculator now, in
    // the order typed; from now on keys go to it directly.
    void acceptKeys();

    bool statusBarShown() const { return view_.statusBar->isChecked(); }
    void reapplyStatusBar();

    WindowBehaviours& behaviours() { return *behaviours_; }
    // "最大表示": the formula panel alone fills the window and "表示" is
    // disabled; cleared, the layout is built again with the other panels
    // shown as they were.
    void MaximiseFormulaPanel(bool on);

    // Runs `command` with the refreshes held and shown once when it ends: a
    // formula panel run changes the message line once per formula.
    void withRefreshHeld(const std::function<void()>& command);
    // Shows at once what a held refresh has gathered so far: a box that
    // opens during a held command shows over the window as it stands.
    void showHeldChanges();

    // A file dialog of the window's file commands; empty when it was cancelled.
    std::optional<std::string> askFilePath(FileDialogKind kind, const QString& title);

    // Runs `restore`, which brings back the history kept from the last
    // session, and shows the lines without announcing them.
    void restoreHistoryUnannounced(const std::function<void()>& restore);

    // Forgets the keys held down, so that their releases press nothing: the
    // keyboard goes to a dialog or box that opens now.
    void forgetPressedKeys();

    // The zoom the panels are shown at, in percent.
    int zoom() const { return zoom_; }
    // Shows the panels at another zoom: they are placed and sized again, not
    // built anew. `fitWindow` sizes the window to the new layout; otherwise
    // the window keeps its size and only grows.
    void setZoom(int percent, bool fitWindow = true);
    // True once the user changed a zoom (the wheel, the keys, the window's size).
    bool zoomChanged() const { return zoomChanged_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // "ログ（開始）" checked or unchecked.
    void logToggled(bool on);
    void addHistoryCopyItem();
    // A keyboard key typed: pressed and released.
    void typed(const KeyboardKey& key);
    // A key typed on a control the window placed: true when it was handled
    // here. Enter presses a focused button; the history list keeps the keys
    // that choose, replay and delete a line, and every other key goes on to
    // the calculator, as it does from a focused key.
    bool controlKey(QObject* control, QKeyEvent* key);
    // F6, Shift+F6, the Menu key and Shift+F10: true when the key was one.
    bool panelKey(const QKeyEvent& key);
    // The pop-up menu for the point `at` of the client area.
    void showPopupMenu(QPoint at);
    // Says a result, an error or the mode once they change.
    void announceChanges(unsigned changes);
    void announce();
    void BBtnClick(int tag);
    void openSettingsDialog();
    void showFunctionMenu();
    void setClientSize(int width, int height);
    // The client area keeps `client` while the window gains or loses its menu bar.
    void keepClientSize(QSize client);
    int menuBarHeight() const;
    void placeStatusBar();
    void placeGuideBars();
    // Builds a panel from the set, creating it the first time.
    void buildPanel(PanelKind kind, const SettingsSet& set);
    PanelWidget* panelOf(PanelKind kind) const { return panels_[static_cast<std::size_t>(kind)]; }
    DisplayPanel* display() const;
    ButtonPanel* buttons() const;
    MemoryPanel* memory() const;
    HistoryPanel* history() const;
    HistoryOperationPanel* historyOps() const;
    FormulaPanel* formula() const;
    // A stretching history panel reaches the bottom of the client area.
    void stretchHistory();
    void orderTabs(const Arrangement& arrangement);

    // "表示" items: a panel, or without one the status bar, follows its check.
    void applyViewCheck(std::optional<PanelKind> kind);
    void viewToggled(std::optional<PanelKind> kind);
    // "全表示" and "全非表示".
    void showAll(bool shown);
    // "設定読込".
    void showSetMenu();
    void fillWithFormulaPanel();
    // Each present panel placed again from the set at the current zoom (and
    // with the palette's colours as they now are).
    void placePanels();
    // "ウィンドウに合わせる": the zoom at which the layout fills the client area.
    void fitZoomToWindow();
    std::string readingOf(const std::string& text) const;

    Calculator& calc_;
    MainMenu menu_;
    KeyRouter keys_;
    QWidget* client_;
    StatusBar* statusBar_;
    GuideLayer* guides_;
    WindowBehaviours* behaviours_;
    ViewMenu view_;
    QMenu* popup_;                    // the main pop-up menu of the window background
    QMenu* historyPopup_ = nullptr;   // the pop-up menu over the history list
    QAction* historyCopy_ = nullptr;  // its "式をコピー"
    FocusRing* focusRing_;
    Announcer* announcer_;
    std::array<PanelWidget*, kPanelKindCount> panels_{};  // each built when the set names it
    std::vector<PanelWidget*> panelOrder_;                // the arranged panels, in Tab order
    int zoom_ = kDefaultZoom;
    bool zoomChanged_ = false;
    QSize naturalSize_;       // of the arranged panels at 100 %, below the status bar
    bool arranging_ = false;  // the window's own resizes, which the zoom does not follow
    std::array<bool, kPanelKindCount> shownBeforeMaximise_{};  // the panels "最大表示" hid
    // What was last announced, so that each change is said once.
    unsigned pendingAnnouncement_ = 0;  // ViewChange bits not yet looked at
    std::string announcedError_;
    std::string announcedDisplay_;
    CalcMode announcedMode_ = CalcMode::Decimal;
    int announcedSet_ = -1;
    int refreshHolds_ = 0;
    unsigned heldChanges_ = 0;
    bool acceptingKeys_ = false;
    std::vector<KeyboardKey> earlyKeys_;  // typed before acceptKeys()
    std::function<bool(GlobalSettings&)> settingsSaver_;
    std::function<std::vector<std::string>(const GlobalSettings&)> settingsLossCheck_;
    std::unique_ptr<SettingsDialog> settingsDialog_;
};

}  // namespace tavrik::ui
