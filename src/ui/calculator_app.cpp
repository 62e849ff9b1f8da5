#include "ui/calculator_app.h"

namespace tavrik::ui {

CalculatorApp::CalculatorApp(GlobalSettings settings) : calc_(view_, clock_), window_(calc_) {
    calc_.setSettings(std::move(settings));
    // The layout measures the fonts of the set in force and gives the
    // calculator its display geometry before the first value is formatted.
    window_.LayoutPanels();
    view_.attach(window_);
    calc_.start();
}

}  // namespace tavrik::ui
