#include "ui/platform/system_colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace tavrik::ui {

namespace {

// Index = system-colour index. Every system colour is a role of the
// application palette, so that a dark desktop gives dark panels.
constexpr QPalette::ColorRole kSystemColors[] = {
    QPalette::Button,           // 0 scroll bar
    QPalette::Dark,             // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Window,           // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Mid,              // 10 active border
    QPalette::Midlight,         // 11 inactive border
    QPalette::Dark,             // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlight text
    QPalette::Button,           // 15 button face
    QPalette::Mid,              // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::PlaceholderText,  // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3-D dark shadow
    QPalette::Midlight,         // 22 3-D light
    QPalette::ToolTipText,      // 23 info text
    QPalette::ToolTipBase,      // 24 info background
    QPalette::WindowText,       // 25 unused
    QPalette::Link,             // 26 hot light
    QPalette::Highlight,        // 27 gradient active caption
    QPalette::Midlight,         // 28 gradient inactive caption
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

}  // namespace

QColor ToQColor(Color color) {
    if (color == kClNone || color == kClDefault) return {};
    if (color & 0x80000000u) {
        const auto index = color & 0x7FFFFFFFu;
        if (index >= std::size(kSystemColors)) return {};
        return QGuiApplication::palette().color(QPalette::Active, kSystemColors[index]);
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace tavrik::ui
