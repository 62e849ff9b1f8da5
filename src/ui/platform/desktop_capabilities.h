// What the desktop under the window can do. Commands that need a facility the
// desktop lacks are disabled with the reason as their tooltip; tests fake it.
#pragma once

#include <functional>
#include <optional>

namespace tavrik::ui {

struct DesktopCapabilities {
    // A notification area to put the tray icon in. Unknown until asked: the
    // question may open a session-bus connection, so a real desktop is asked
    // only when the answer is needed, never before the window is mapped.
    std::optional<bool> systemTray = true;
    bool stayOnTop = true;   // the window manager honours the stay-on-top hint
    bool opacity = true;     // whole-window opacity, shown by a compositing manager
    bool compositor = true;  // a compositing manager runs: opacity and see-through colour
};

// Asks the running desktop (all but the tray, left unknown): stay-on-top and opacity by
// platform (Wayland compositors ignore both for ordinary windows), and on X11
// whether a compositing manager owns the _NET_WM_CM_S<screen> selection.
DesktopCapabilities DetectDesktopCapabilities();
// Asks again whether a compositing manager runs (it may start or stop at any
// time); none where the answer cannot change.
std::function<bool()> CompositorProbe();
// Whether the desktop has a notification area, through Qt.
bool SystemTrayAvailable();

// Tooltips of the commands a desktop cannot carry out.
inline constexpr const char* kNoTrayReason = "この環境には通知領域（システムトレイ）がありません";
inline constexpr const char* kNoStayOnTopReason =
    "このウィンドウ環境は最前面表示に対応していません";
inline constexpr const char* kNoOpacityReason = "このウィンドウ環境は透過表示に対応していません";
inline constexpr const char* kNoCompositorReason =
    "コンポジットマネージャーが動いていないため透過表示できません";

}  // namespace tavrik::ui
