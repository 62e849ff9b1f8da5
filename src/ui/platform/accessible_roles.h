// Roles and states a screen reader needs that Qt's own widgets do not give:
// a memory register's value text is one of four radio buttons (the current
// register is the checked one), and the announcer is a notification.
#pragma once

#include <QAccessible>

class QWidget;

namespace tavrik::ui {

// From now on `widget` is presented with `role`; a checkable role reports
// the check mark set by SetAccessibleChecked.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);
// Sets the checked state of a widget given a checkable role, and tells
// assistive technology when it changes.
void SetAccessibleChecked(QWidget& widget, bool checked);

}  // namespace tavrik::ui
