// The cost of one zoom step (Ctrl + the wheel) of the full six-panel window
// on Qt's offscreen platform: every panel is placed and sized again at the
// new zoom, the columns arranged, the window resized and repainted. The
// target is one frame, 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/window/calculator_app.h"

namespace {

void ZoomStep(benchmark::State& state) {
    tavrik::GlobalSettings settings;
    tavrik::SettingsSet& set = settings.SetTable[tavrik::kDefaultSetSlot];
    set.Disp = "DBM/FSH";
    set.FontSizeD = 20;
    set.FontSizeB = 12;
    tavrik::ui::CalculatorApp app(std::move(settings));
    tavrik::ui::MainWindow& window = app.window();
    window.show();
    QCoreApplication::processEvents();
    bool larger = true;
    for (auto _ : state) {
        window.setZoom(window.zoom() + (larger ? 10 : -10));
        larger = !larger;
        window.repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ZoomStep)->Unit(benchmark::kMillisecond);

}  // namespace
