// Where the window may lie: within the screens that exist. A hand-edited
// settings file may ask for any size or position; the window and its client
// area keep to the screens' available area, so that the title bar stays
// reachable and no size costs more than a screen's worth of memory.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace tavrik::ui {

// The available area of all screens together (their virtual desktop).
QRect ScreensAvailableArea();

// Room for the frame a window manager puts around the client area: a title
// bar above, a border on the other sides. Its real size is known only once
// the window is shown.
QMargins FrameAllowance();

// The most a client area may be, below a menu bar of `menuHeight`, with its
// frame on the screens that exist.
QSize LargestClientSize(int menuHeight);

// Client `bounds` shrunk to fit `area` with `frame` around them, and moved,
// as little as needed, so that the frame around them lies inside `area`.
QRect KeepWithin(QRect bounds, QRect area, QMargins frame);

}  // namespace tavrik::ui
