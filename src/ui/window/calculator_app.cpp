#include "ui/window/calculator_app.h"

#include <QGuiApplication>
#include <QSessionManager>

#include "settings/setting_ranges.h"
#include "ui/window/window_behaviours.h"
#include "ui/window/window_placement.h"

namespace tavrik::ui {

CalculatorApp::CalculatorApp(SettingsFile settingsFile, std::filesystem::path keptStateFile)
    : settingsFile_(std::move(settingsFile)),
      keptStateFile_(std::move(keptStateFile)),
      calc_(view_, clock_),
      window_(calc_) {
    window_.setSettingsSaver(
        [this](GlobalSettings& settings) { return settingsFile_->Save(settings); });
    window_.setSettingsLossCheck(
        [this](const GlobalSettings& settings) { return settingsFile_->LostCharacters(settings); });
    start(settingsFile_->Load(GlobalSettings{}));
    if (!settingsFile_->LoadProblem().empty())
        view_.messageBox(BoxKind::Warning, settingsFile_->LoadProblem());
    restoreKeptState();
    view_.watch(kHistoryChanged | kMemoryChanged | kSheetChanged,
                [this] { keptStateSchedule_.changed(); });
    window_.setSheetWatch([this] { keptStateSchedule_.changed(); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window_,
                     [this](QSessionManager&) { saveNow(); });
}

// A kept file that is damaged or foreign is reported and set aside before
// anything is saved over it; the calculator starts as it would without it.
void CalculatorApp::restoreKeptState() {
    if (!calc_.settings().KeepState) return;
    const KeptStateRead read = LoadKeptState(keptStateFile_);
    if (read.state) window_.restoreHistoryUnannounced([&] { calc_.restoreKeptState(*read.state); });
    if (read.state && read.state->sheet) window_.restoreSheet(*read.state->sheet);
    if (read.problem.empty()) return;
    std::string text = read.problem;
    if (const std::string aside = SetAsideKeptState(keptStateFile_); !aside.empty())
        text += "\n" + aside;
    view_.messageBox(BoxKind::Warning, text);
}

void CalculatorApp::keepState() {
    if (!settingsFile_) return;
    keptStateSchedule_.cancel();
    if (calc_.settings().KeepState)
        writeKeptState();
    else if (std::filesystem::exists(keptStateFile_))
        DeleteKeptState(keptStateFile_);
}

// A failed write leaves the last complete file; the next change or the exit
// tries again.
void CalculatorApp::writeKeptState() {
    if (!settingsFile_ || !calc_.settings().KeepState) return;
    KeptState state = calc_.keptState();
    state.sheet = window_.keptSheet();
    SaveKeptState(keptStateFile_, state);
}

CalculatorApp::CalculatorApp(GlobalSettings settings) : calc_(view_, clock_), window_(calc_) {
    start(std::move(settings));
}

void CalculatorApp::start(GlobalSettings settings) {
    calc_.setSettings(std::move(settings));
    // The layout measures the fonts of the set in force and gives the
    // calculator its display geometry before the first value is formatted.
    window_.LayoutPanels();
    window_.behaviours().start(calc_.settings());
    restoreWindowBounds();
    view_.attach(window_);
    calc_.start();
    window_.acceptKeys();
}

// The exit steps in order: close the log, then save the window state.
CalculatorApp::~CalculatorApp() {
    if (calc_.log().active()) calc_.stopLog();
    saveNow();
    view_.watch(0, {});
    window_.setSheetWatch({});
    view_.detach();
}

void CalculatorApp::showOnRequest() {
    if (!calc_.settings().RaiseRunning) return;
    window_.behaviours().showWindow();
}

void CalculatorApp::saveNow() {
    saveExitState();
    keepState();
}

void CalculatorApp::saveExitState() {
    if (settingsFile_ && calc_.settings().Save) {
        const QRect bounds = window_.geometry();
        // A window the desktop kept smaller than its panels is saved at the
        // size they need, so that no later start cuts them off.
        const QSize size = bounds.size().expandedTo(window_.minimumSize());
        settingsFile_->SaveExitState(ExitState{static_cast<char>(calc_.mode()),
                                               window_.behaviours().alphaBlending(), size.width(),
                                               size.height(), bounds.top(), bounds.left()});
        // A zoom changed by the wheel, the keys or the window's size.
        if (window_.zoomChanged()) settingsFile_->SaveSetZooms(calc_.settings());
    }
}

// Width and height when above 0, left and top edges when saved, kept
// to the screens that exist. Without a saved edge the window manager places
// the window.
void CalculatorApp::restoreWindowBounds() {
    const GlobalSettings& s = calc_.settings();
    if (!s.Save) return;
    const QRect area = ScreensAvailableArea();
    QSize size = window_.size();
    if (s.Width > 0) size.setWidth(s.Width);
    if (s.Height > 0) size.setHeight(s.Height);
    // Bounded before it meets a position, so that no edge overflows.
    if (!area.isEmpty()) size = size.boundedTo(area.size());
    QPoint at = window_.geometry().topLeft();
    const bool placed = s.Left >= kLowestSavedEdge || s.Top >= kLowestSavedEdge;
    if (s.Left >= kLowestSavedEdge) at.setX(kWindowEdgeRange.clamp(s.Left));
    if (s.Top >= kLowestSavedEdge) at.setY(kWindowEdgeRange.clamp(s.Top));
    const QRect bounds = KeepWithin(QRect(at, size), area, FrameAllowance());
    if (placed)
        window_.setGeometry(bounds);
    else
        window_.resize(bounds.size());
}

}  // namespace tavrik::ui
