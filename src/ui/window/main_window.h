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
#include "ui/panels/panel_board.h"
#include "ui/platform/file_dialog.h"
#include "ui/platform/key_router.h"

#include "engine/calculator.h"
#include "history/kept_state.h"

namespace tavrik::ui {

class Announcer;
class FocusRing;
class GuideLayer;
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

    // Runs `command` with the refreshes held and shown once when it ends: a
    // formula panel run changes the message line once per formula.
    void withRefreshHeld(const std::function<void()>& command);
    // Shows at once what a held refresh has gathered so far: a box that
    // opens during a held command shows over the window as it stands.
    void showHeldChanges();

    // A file dialog of the window's file commands; empty when it was cancelled.
    std::optional<std::string> askFilePath(FileDialogKind kind, const QString& title);

    // Forgets the keys held down, so that their releases press nothing: the
    // keyboard goes to a dialog or box that opens now.
    void forgetPressedKeys();

    // The formula panel's text and "自動計算" check, to be kept across a
    // restart; none while no set has named the panel yet.
    std::optional<KeptState::Sheet> keptSheet() const;
    // Puts a kept sheet into the panel now, or once a set first names it.
    void restoreSheet(KeptState::Sheet sheet);
    // Called after every edit of the formula panel's text or "自動計算".
    void setSheetWatch(std::function<void()> watch);

    // Runs `restore`, which brings back the history kept from the last
    // session, and shows the lines without announcing them.
    void restoreHistoryUnannounced(const std::function<void()>& restore);

    // The zoom the panels are shown at, in percent.
    int zoom() const { return board_.zoom(); }
    // Shows the panels at another zoom (PanelBoard::setZoom).
    // Also shows the new zoom a moment in the status bar.
    void setZoom(int percent, bool fitWindow = true);
    // True once the user changed a zoom (the wheel, the keys, the window's size).
    bool zoomChanged() const { return board_.zoomChanged(); }

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
    // A keyboard key typed: pressed and released.
    void typed(const KeyboardKey& key);
    void openSettingsDialog();
    void refillFunctionMenu();
    // The keys of undo and redo in the mode in force, shown beside their items.
    void showUndoShortcuts();
    void setClientSize(int width, int height);
    // The client area keeps `client` while the window gains or loses its menu bar.
    void keepClientSize(QSize client);
    int menuBarHeight() const;
    void placeStatusBar();
    // The height the status bar takes at the top of the client area.
    int statusBarTop() const;
    void placeGuideBars();
    PanelBoardCommands boardCommands();
    // Builds the board's panels; a newly built formula panel takes the sheet
    // watch and a kept sheet.
    void buildBoard(const DispReading& disp);
    // F6, Shift+F6, the Menu key and Shift+F10: true when the key was one.
    bool panelKey(const QKeyEvent& key);
    // The pop-up menu for the point `at` of the client area.
    void showPopupMenu(QPoint at);

    // "表示" items: a panel, or without one the status bar, follows its check.
    void applyViewCheck(std::optional<PanelKind> kind);
    void viewToggled(std::optional<PanelKind> kind);
    // "全表示" and "全非表示".
    void showAll(bool shown);
    // "設定読込".
    void refillSetMenu();

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
    PanelBoard board_;
    int refreshHolds_ = 0;
    unsigned heldChanges_ = 0;
    bool acceptingKeys_ = false;
    std::vector<KeyboardKey> earlyKeys_;  // typed before acceptKeys()
    std::function<bool(GlobalSettings&)> settingsSaver_;
    std::function<std::vector<std::string>(const GlobalSettings&)> settingsLossCheck_;
    std::unique_ptr<SettingsDialog> settingsDialog_;
    std::optional<KeptState::Sheet> pendingSheet_;  // kept, for a formula panel not built yet
    std::function<void()> sheetWatch_;
};

}  // namespace tavrik::ui
