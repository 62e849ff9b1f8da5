#include "ui/platform/message_box.h"

#include <QMessageBox>

namespace tavrik::ui {

namespace {

QMessageBox::Icon IconOf(BoxKind kind) {
    switch (kind) {
        case BoxKind::Error:
            return QMessageBox::Critical;
        case BoxKind::Warning:
            return QMessageBox::Warning;
        case BoxKind::Confirmation:
            return QMessageBox::Question;
        case BoxKind::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

bool ShowMessageBox(QWidget* parent, BoxKind kind, const QString& text, bool withCancel) {
    QMessageBox box(IconOf(kind), QStringLiteral("Tavrik"), text, QMessageBox::Ok, parent);
    if (withCancel) box.addButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace tavrik::ui
