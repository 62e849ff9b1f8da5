#include "ui/platform/desktop_capabilities.h"

#include <QGuiApplication>
#include <QSystemTrayIcon>

#ifdef TAVRIK_HAVE_XCB
#include <xcb/xcb.h>

#include <QByteArray>
#include <memory>
#endif

namespace tavrik::ui {

namespace {

#ifdef TAVRIK_HAVE_XCB
// A compositing manager announces itself by owning _NET_WM_CM_S<screen>.
bool X11CompositorRunning() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return false;
    xcb_connection_t* connection = x11->connection();
    // The default screen is the one DISPLAY names (":0.1" is screen 1).
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.lastIndexOf('.');
    const int screen = dot > display.lastIndexOf(':') ? display.mid(dot + 1).toInt() : 0;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData()),
            nullptr),
        &free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                      nullptr),
        &free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}
#endif

}  // namespace

bool SystemTrayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

std::function<bool()> CompositorProbe() {
#ifdef TAVRIK_HAVE_XCB
    if (QGuiApplication::platformName() == QStringLiteral("xcb")) return X11CompositorRunning;
#endif
    return {};
}

DesktopCapabilities DetectDesktopCapabilities() {
    DesktopCapabilities caps;
    caps.systemTray.reset();
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QStringLiteral("wayland"))) {
        caps.stayOnTop = false;
        caps.opacity = false;
    } else if (platform == QStringLiteral("xcb")) {
#ifdef TAVRIK_HAVE_XCB
        caps.compositor = X11CompositorRunning();
#else
        caps.compositor = false;
#endif
    }
    return caps;
}

}  // namespace tavrik::ui
