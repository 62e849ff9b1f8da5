// The notification-area icon of "常駐" with its menu: "表示", "About" and "終了".
#pragma once

#include <QMenu>
#include <QSystemTrayIcon>
#include <functional>

namespace tavrik::ui {

struct TrayCommands {
    std::function<void()> show;   // "表示" and a left click on the icon
    std::function<void()> about;  // "About", placed at the pointer
    std::function<void()> exit;   // "終了"
};

class TrayIcon final : public QObject {
  public:
    TrayIcon(QObject* parent, TrayCommands commands);

    void setShown(bool shown);
    bool isShown() const { return icon_.isVisible(); }
    QMenu& menu() { return menu_; }

  private:
    QMenu menu_;
    QSystemTrayIcon icon_;
};

}  // namespace tavrik::ui
