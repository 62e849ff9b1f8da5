#include "ui/system_colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace tavrik::ui {

namespace {

struct SystemEntry {
    QPalette::ColorRole role;
    QRgb fallback;  // when the role is NoRole
};

// Index = system-colour index.
constexpr SystemEntry kSystemColors[] = {
    {QPalette::NoRole, 0xC8C8C8},    // 0 scroll bar
    {QPalette::NoRole, 0x000000},    // 1 desktop
    {QPalette::Highlight, 0},        // 2 active caption
    {QPalette::NoRole, 0xBFCDDB},    // 3 inactive caption
    {QPalette::Window, 0},           // 4 menu
    {QPalette::Base, 0},             // 5 window
    {QPalette::Shadow, 0},           // 6 window frame
    {QPalette::WindowText, 0},       // 7 menu text
    {QPalette::Text, 0},             // 8 window text
    {QPalette::HighlightedText, 0},  // 9 caption text
    {QPalette::NoRole, 0xB4B4B4},    // 10 active border
    {QPalette::NoRole, 0xF4F7FC},    // 11 inactive border
    {QPalette::Dark, 0},             // 12 application workspace
    {QPalette::Highlight, 0},        // 13 highlight
    {QPalette::HighlightedText, 0},  // 14 highlight text
    {QPalette::Button, 0},           // 15 button face
    {QPalette::Mid, 0},              // 16 button shadow
    {QPalette::PlaceholderText, 0},  // 17 grey text
    {QPalette::ButtonText, 0},       // 18 button text
    {QPalette::NoRole, 0x000000},    // 19 inactive caption text
    {QPalette::Light, 0},            // 20 button highlight
    {QPalette::Shadow, 0},           // 21 3-D dark shadow
    {QPalette::Midlight, 0},         // 22 3-D light
    {QPalette::ToolTipText, 0},      // 23 info text
    {QPalette::ToolTipBase, 0},      // 24 info background
    {QPalette::NoRole, 0x000000},    // 25 unused
    {QPalette::Link, 0},             // 26 hot light
    {QPalette::NoRole, 0xB9D1EA},    // 27 gradient active caption
    {QPalette::NoRole, 0xD7E4F2},    // 28 gradient inactive caption
    {QPalette::Highlight, 0},        // 29 menu highlight
    {QPalette::Window, 0},           // 30 menu bar
};

}  // namespace

QColor ToQColor(Color color) {
    if (color == kClNone || color == kClDefault) return {};
    if (color & 0x80000000u) {
        const auto index = color & 0x7FFFFFFFu;
        if (index >= std::size(kSystemColors)) return {};
        const SystemEntry& entry = kSystemColors[index];
        if (entry.role == QPalette::NoRole) return QColor::fromRgb(entry.fallback);
        return QGuiApplication::palette().color(QPalette::Active, entry.role);
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace tavrik::ui
