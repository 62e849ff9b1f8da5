// The desktop application assembled: the Qt view, the clock, the calculator
// and its main window, started in order.
#pragma once

#include <optional>

#include "engine/calculator.h"
#include "settings/settings_file.h"
#include "settings/settings_model.h"
#include "ui/window/kept_state_schedule.h"
#include "ui/window/main_window.h"
#include "ui/window/qt_view.h"

namespace tavrik::ui {

class CalculatorApp {
  public:
    // Loads the settings, lays out the window from the set in force, restores
    // the saved window bounds when "Save" is on and starts the calculator
    // (mode, AC); keys typed into the window before that are kept and
    // handed on once it has started. The window is not shown yet.
    // With "終了時に履歴とメモリーを残す" on, the history lists, memory
    // registers and formula panel kept in `keptStateFile` come back after
    // the start, and every later change of them is in that file a moment
    // after it was made (KeptStateSchedule).
    explicit CalculatorApp(SettingsFile settingsFile,
                           std::filesystem::path keptStateFile = KeptStateFile());
    // The same with settings that come from no file: nothing is written at exit.
    explicit CalculatorApp(GlobalSettings settings = {});
    // Closes an open log, then writes what saveNow() writes. The window is
    // destroyed before the calculator; whatever the calculator still reports
    // from then on is dropped.
    ~CalculatorApp();
    CalculatorApp(const CalculatorApp&) = delete;
    CalculatorApp& operator=(const CalculatorApp&) = delete;

    // What an exit keeps, written now (the desktop session is ending): the
    // mode, window bounds and zooms when "Save" is on, and the history,
    // memory and formula panel when "終了時に履歴とメモリーを残す" is on
    // (removing what was kept when not).
    void saveNow();
    // A second start asked for the window: with "RaiseRunning" on it is
    // shown (also from the tray or minimised), raised and given the keyboard.
    void showOnRequest();

    MainWindow& window() { return window_; }
    Calculator& calculator() { return calc_; }

  private:
    void start(GlobalSettings settings);
    void restoreWindowBounds();
    void restoreKeptState();
    void saveExitState();
    void keepState();
    // The file keeps up with a change: written once the schedule's delay has passed.
    void writeKeptState();

    std::optional<SettingsFile> settingsFile_;
    std::filesystem::path keptStateFile_;
    QtView view_;
    SystemClock clock_;
    Calculator calc_;
    MainWindow window_;
    KeptStateSchedule keptStateSchedule_{[this] { writeKeptState(); }};
};

}  // namespace tavrik::ui
