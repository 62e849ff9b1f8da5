// The desktop application assembled: the Qt view, the clock, the calculator
// and its main window, started in order.
#pragma once

#include "engine/calculator.h"
#include "settings/settings_model.h"
#include "ui/main_window.h"
#include "ui/qt_view.h"

namespace tavrik::ui {

class CalculatorApp {
  public:
    // Takes over the settings, lays out the window from the set in force and
    // starts the calculator (mode, AC). The window is not shown yet.
    explicit CalculatorApp(GlobalSettings settings);
    // The window is destroyed before the calculator; whatever the calculator
    // still reports from then on is dropped.
    ~CalculatorApp() { view_.detach(); }
    CalculatorApp(const CalculatorApp&) = delete;
    CalculatorApp& operator=(const CalculatorApp&) = delete;

    MainWindow& window() { return window_; }
    Calculator& calculator() { return calc_; }

  private:
    QtView view_;
    SystemClock clock_;
    Calculator calc_;
    MainWindow window_;
};

}  // namespace tavrik::ui
