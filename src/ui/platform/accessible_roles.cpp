#include "ui/platform/accessible_roles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace tavrik::ui {

namespace {

constexpr const char* kRoleProperty = "tavrikAccessibleRole";
constexpr const char* kCheckedProperty = "tavrikAccessibleChecked";

class RoleAccessible final : public QAccessibleWidget {
  public:
    RoleAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::RadioButton) {
            state.checkable = true;
            state.checked = widget()->property(kCheckedProperty).toBool();
        }
        return state;
    }
};

QAccessibleInterface* MakeRoleAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new RoleAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(MakeRoleAccessible);
        return true;
    }();
    (void)installed;
    widget.setProperty(kRoleProperty, static_cast<int>(role));
}

void SetAccessibleChecked(QWidget& widget, bool checked) {
    if (widget.property(kCheckedProperty).toBool() == checked) return;
    widget.setProperty(kCheckedProperty, checked);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(&widget, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tavrik::ui
