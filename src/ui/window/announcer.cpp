#include "ui/window/announcer.h"

#include "ui/platform/accessible_roles.h"

namespace tavrik::ui {

namespace {

// A widget of no size counts as not showing; one pixel that paints nothing does.
constexpr int kSize = 1;

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName("ntfAnnounce");
    SetAccessibleRole(*this, QAccessible::Notification);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, kSize, kSize);
    hide();
}

// Hidden and shown again, so that every text is a new notification, also
// the same text twice in a row.
void Announcer::announce(const QString& text) {
    if (text.isEmpty()) return;
    hide();
    setAccessibleName(text);
    show();
}

}  // namespace tavrik::ui
