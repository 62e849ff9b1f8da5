#include "ui/qt_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>

#include "ui/main_window.h"
#include "ui/message_box.h"
#include "values/pasted_number.h"

namespace tavrik::ui {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Filters come as "description|pattern|description|pattern…"; Qt wants
// "description (pattern);;…".
QString QtFilter(std::string_view filter) {
    const QStringList parts = FromUtf8(filter).split('|');
    if (parts.size() < 2) return FromUtf8(filter);
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return entries.join(QStringLiteral(";;"));
}

}  // namespace

void QtView::changed(unsigned changes) {
    if (window_) window_->refresh(changes);
}

void QtView::beep() {
    QApplication::beep();
}

bool QtView::messageBox(BoxKind kind, std::string_view text) {
    if (window_) window_->forgetPressedKeys();
    QString message = FromUtf8(text);
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return ShowMessageBox(window_, kind, message, kind == BoxKind::Confirmation);
}

void QtView::setClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(FromUtf8(text));
}

std::string QtView::clipboardText() {
    // Only as much as the paste reader looks at: one character more than it
    // takes is enough for it to refuse a longer text whole.
    const QString text = QGuiApplication::clipboard()->text();
    return text.left(static_cast<qsizetype>(kMaxPastedBytes) + 1).toStdString();
}

bool QtView::statusBarVisible() const {
    return window_ && window_->statusBarShown();
}

void QtView::reapplyStatusBar() {
    if (window_) window_->reapplyStatusBar();
}

std::optional<std::string> QtView::askPath(FileDialogKind kind, std::string_view title,
                                           std::string_view filter) {
    if (window_) window_->forgetPressedKeys();
    const QString caption = FromUtf8(title);
    const QString qtFilter = QtFilter(filter);
    const QString path = kind == FileDialogKind::Open
                             ? QFileDialog::getOpenFileName(window_, caption, {}, qtFilter)
                             : QFileDialog::getSaveFileName(window_, caption, {}, qtFilter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace tavrik::ui
