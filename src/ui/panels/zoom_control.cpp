#include "ui/panels/zoom_control.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "settings/key_assignment.h"
#include "ui/panels/layout_scale.h"
#include "ui/platform/virtual_key.h"
#include "values/utf8.h"

namespace tavrik::ui {

namespace {

constexpr std::size_t kKeyEntryLength = 4;

}  // namespace

int ZoomForKey(const QKeyEvent& event, const GlobalSettings& settings, int current) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier)) return 0;
    int zoom = 0;
    switch (event.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoom = SteppedZoom(current, 1);
            break;
        case Qt::Key_Minus:
            zoom = SteppedZoom(current, -1);
            break;
        case Qt::Key_0:
            zoom = kDefaultZoom;
            break;
        default:
            return 0;
    }
    return AssignedInKeyTable(event, settings) ? 0 : zoom;
}

bool AssignedInKeyTable(const QKeyEvent& event, const GlobalSettings& settings) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int code = VirtualKeyOf(static_cast<Qt::Key>(event.key()), modifiers);
    if (code <= 0) return false;
    const int entry =
        KeyTableIndex(code, modifiers & Qt::ControlModifier, modifiers & Qt::ShiftModifier);
    return entry < kKeyTableSize &&
           utf8::Length(settings.Keys[static_cast<std::size_t>(entry)]) == kKeyEntryLength;
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

int ShrunkZoom(int percent, QSize needed, QSize room) {
    // No room at all is a window not yet, or no longer, on the screen.
    if (room.isEmpty() || (needed.width() <= room.width() && needed.height() <= room.height()))
        return percent;
    const double across = static_cast<double>(room.width()) / std::max(1, needed.width());
    const double down = static_cast<double>(room.height()) / std::max(1, needed.height());
    return LayoutZoom(static_cast<int>(percent * std::min(across, down)));
}

}  // namespace tavrik::ui
