#include "ui/window/tray_icon.h"

#include "ui/platform/app_icon.h"

namespace tavrik::ui {

TrayIcon::TrayIcon(QObject* parent, TrayCommands commands) : QObject(parent) {
    menu_.setObjectName("pmnTray");
    QAction* show = menu_.addAction(QStringLiteral("表示"), commands.show);
    show->setObjectName("tmnShow");
    QAction* about = menu_.addAction(QStringLiteral("About"), commands.about);
    about->setObjectName("tmnAbout");
    menu_.addSeparator();
    QAction* exit = menu_.addAction(QStringLiteral("終了"), commands.exit);
    exit->setObjectName("tmnExit");

    icon_.setIcon(AppIcon());
    icon_.setToolTip(QStringLiteral("Tavrik"));
    icon_.setContextMenu(&menu_);
    // A left click shows the window; a shown window stays as it is.
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [show = std::move(commands.show)](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) show();
            });
}

void TrayIcon::setShown(bool shown) {
    icon_.setVisible(shown);
}

}  // namespace tavrik::ui
