// The window's frame kinds: a normal sizeable frame, the thin tool-window
// frame, or a sizing frame with no caption bar at all.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>
#include <Qt>

namespace tavrik::ui {

// Pixels along each edge of a window without caption bar that act as its
// sizing frame (the desktop then gives it none).
inline constexpr int kOwnFrameWidth = 4;

// `captionFlag` false: no caption; otherwise `normalCaption` picks the normal
// frame over the tool-window one. `stayOnTop` adds the stay-on-top hint.
Qt::WindowFlags WindowFrameFlags(bool captionFlag, bool normalCaption, bool stayOnTop);

// The window edges a press at `pos` lies on, in a window of `size` without
// caption bar; none inside the frame.
Qt::Edges FrameEdgesAt(QPoint pos, QSize size);

}  // namespace tavrik::ui
