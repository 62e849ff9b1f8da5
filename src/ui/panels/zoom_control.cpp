#include "ui/panels/zoom_control.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/panels/layout_scale.h"
#include "ui/platform/virtual_key.h"
#include "values/utf8.h"

namespace tavrik::ui {

namespace {

constexpr std::size_t kKeyEntryLength = 4;

}  // namespace

int ZoomKeyStep(const QKeyEvent& event, const GlobalSettings& settings) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier)) return 0;
    int step = 0;
    switch (event.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            step = 1;
            break;
        case Qt::Key_Minus:
            step = -1;
            break;
        default:
            return 0;
    }
    const int code = VirtualKeyOf(static_cast<Qt::Key>(event.key()), modifiers);
    const int entry = kCtrlKeyOffset + code;
    if (code > 0 && entry < kKeyTableSize &&
        utf8::Length(settings.Keys[static_cast<std::size_t>(entry)]) == kKeyEntryLength)
        return 0;
    return step;
}

int ZoomWheelStep(const QWheelEvent& event) {
    if (!(event.modifiers() & Qt::ControlModifier)) return 0;
    const int delta = event.angleDelta().y();
    return delta > 0 ? 1 : delta < 0 ? -1 : 0;
}

int SteppedZoom(int percent, int steps) {
    return LayoutZoom(LayoutZoom(percent) + steps * kZoomStep);
}

int FittingZoom(QSize room, QSize natural) {
    if (natural.width() <= 0 || natural.height() <= 0) return kDefaultZoom;
    const double across = static_cast<double>(room.width()) / natural.width();
    const double down = static_cast<double>(room.height()) / natural.height();
    return LayoutZoom(static_cast<int>(std::lround(std::min(across, down) * 100.0)));
}

}  // namespace tavrik::ui
