// A top-level window without caption bar that the user can still resize:
// pressing the mouse near its edge starts the window manager's resize there.
#pragma once

class QWidget;

namespace tavrik::ui {

// Removes the caption bar and frame of `window` (call before it is shown)
// and lets its edges resize it.
void UseCaptionlessFrame(QWidget& window);

}  // namespace tavrik::ui
