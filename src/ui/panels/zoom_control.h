// How the user changes the zoom of the set in force: Ctrl + the mouse wheel,
// Ctrl++ and Ctrl+- (unless the key table gives Ctrl with those keys to the
// calculator), and, with "ウィンドウに合わせる", the size of the window.
#pragma once

#include <QSize>

#include "settings/settings_model.h"

class QKeyEvent;
class QWheelEvent;

namespace tavrik::ui {

// One step of the keys and the wheel, in percent.
inline constexpr int kZoomStep = 10;

// +1 for Ctrl++ (or Ctrl+=, the same key), -1 for Ctrl+-, 0 for any other
// key and for those keys when the key table assigns them with Ctrl.
int ZoomKeyStep(const QKeyEvent& event, const GlobalSettings& settings);
// +1 or -1 for a turn of the wheel with Ctrl held, 0 otherwise.
int ZoomWheelStep(const QWheelEvent& event);
// The next zoom from `percent`, `steps` steps on, within 50–400 %.
int SteppedZoom(int percent, int steps);

// The zoom at which a layout of `natural` size at 100 % fills `room`
// keeping its proportions, within 50–400 %.
int FittingZoom(QSize room, QSize natural);

}  // namespace tavrik::ui
