// How the user changes the zoom of the set in force: Ctrl + the mouse wheel,
// Ctrl++, Ctrl+- and Ctrl+0 (unless the key table gives Ctrl with those keys to the
// calculator), and, with "ウィンドウに合わせる", the size of the window.
#pragma once

#include <QSize>

#include "settings/settings_model.h"

class QKeyEvent;
class QWheelEvent;

namespace tavrik::ui {

// One step of the keys and the wheel, in percent.
inline constexpr int kZoomStep = 10;

// The zoom a key asks for from `current`: one step up for Ctrl++ (or Ctrl+=,
// the same key), one down for Ctrl+-, 100 % for Ctrl+0; 0 for any other key
// and for those keys when the key table assigns them with Ctrl.
int ZoomForKey(const QKeyEvent& event, const GlobalSettings& settings, int current);
// True when the key table gives this key (with its Ctrl or Shift) to the
// calculator: the window's own keyboard commands then leave it alone.
bool AssignedInKeyTable(const QKeyEvent& event, const GlobalSettings& settings);
// +1 or -1 for a turn of the wheel with Ctrl held, 0 otherwise.
int ZoomWheelStep(const QWheelEvent& event);
// The next zoom from `percent`, `steps` steps on, within 50–400 %.
int SteppedZoom(int percent, int steps);

// The zoom at which a layout of `natural` size at 100 % fills `room`
// keeping its proportions, within 50–400 %.
int FittingZoom(QSize room, QSize natural);

// The zoom, below `percent`, at which a layout that needs `needed` at
// `percent` fits `room` (rounded down, within 50–400 %); `percent` when it fits, or
// when `room` is empty.
int ShrunkZoom(int percent, QSize needed, QSize room);

}  // namespace tavrik::ui
