#include "ui/window/window_frame.h"

namespace tavrik::ui {

Qt::WindowFlags WindowFrameFlags(bool captionFlag, bool normalCaption, bool stayOnTop) {
    Qt::WindowFlags flags = Qt::Window;
    if (!captionFlag)
        flags |= Qt::FramelessWindowHint;
    else if (!normalCaption)
        flags = Qt::Tool;
    if (stayOnTop) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

Qt::Edges FrameEdgesAt(QPoint pos, QSize size) {
    Qt::Edges edges;
    if (pos.x() < kOwnFrameWidth) edges |= Qt::LeftEdge;
    if (pos.x() >= size.width() - kOwnFrameWidth) edges |= Qt::RightEdge;
    if (pos.y() < kOwnFrameWidth) edges |= Qt::TopEdge;
    if (pos.y() >= size.height() - kOwnFrameWidth) edges |= Qt::BottomEdge;
    return edges;
}

}  // namespace tavrik::ui
