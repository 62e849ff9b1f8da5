// The window's sizes from a settings set, and its saved bounds. A hand-edited
// file may hold any number; the window takes each clamped to the range the
// settings dialog offers (window edges and guide bars to the 16-bit range of
// window system coordinates), so that no size computed from them can
// overflow. The settings keep what the file holds.
#pragma once

#include <algorithm>

namespace tavrik::ui {

inline int LayoutPitch(int pitch) {
    return std::clamp(pitch, 0, 50);
}
inline int LayoutDigits(int digits) {
    return std::clamp(digits, 0, 100);
}
inline int LayoutKeyGap(int gap) {
    return std::clamp(gap, 0, 100);
}
inline int LayoutFontSize(int points) {
    return std::clamp(points, 0, 50);
}
// A coordinate or extent of a custom key placement, in pixels.
inline int LayoutKeyBound(int pixels) {
    return std::clamp(pixels, -10000, 10000);
}
// The window's saved left or top edge, in pixels.
inline int WindowEdge(int pixels) {
    return std::clamp(pixels, -32768, 32767);
}
// A guide bar's position (negative: placed by the layout) and its width.
inline int GuideBarPosition(int pixels) {
    return std::clamp(pixels, -1, 32767);
}
inline int GuideBarWidth(int pixels) {
    return std::clamp(pixels, 0, 32767);
}

}  // namespace tavrik::ui
