#include "ui/window/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace tavrik::ui {

namespace {

// Window managers draw borders of a few pixels; this leaves room for most.
constexpr int kBorderAllowance = 8;

// `value` moved into [low, high]; `low` wins when the range is empty.
int Within(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

}  // namespace

QRect ScreensAvailableArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableVirtualGeometry() : QRect();
}

QMargins FrameAllowance() {
    const int title = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {kBorderAllowance, title, kBorderAllowance, kBorderAllowance};
}

QSize LargestClientSize(int menuHeight) {
    const QSize area = ScreensAvailableArea().size();
    const QMargins frame = FrameAllowance();
    return {std::max(1, area.width() - frame.left() - frame.right()),
            std::max(1, area.height() - menuHeight - frame.top() - frame.bottom())};
}

QRect KeepWithin(QRect bounds, QRect area, QMargins frame) {
    if (area.isEmpty()) return bounds;
    const QSize room = area.marginsRemoved(frame).size().expandedTo(QSize(1, 1));
    bounds.setSize(bounds.size().boundedTo(room).expandedTo(QSize(1, 1)));
    const int left = Within(bounds.left(), area.left() + frame.left(),
                            area.right() + 1 - bounds.width() - frame.right());
    const int top = Within(bounds.top(), area.top() + frame.top(),
                           area.bottom() + 1 - bounds.height() - frame.bottom());
    bounds.moveTo(left, top);
    return bounds;
}

}  // namespace tavrik::ui
