#include "ui/window/qt_view.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "ui/platform/message_box.h"
#include "ui/window/main_window.h"
#include "values/message_catalogue.h"
#include "values/pasted_number.h"

namespace tavrik::ui {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtView::changed(unsigned changes) {
    if (window_) window_->refresh(changes);
}

void QtView::beep() {
    QApplication::beep();
}

bool QtView::messageBox(BoxKind kind, std::string_view text) {
    if (window_) {
        window_->forgetPressedKeys();
        window_->showHeldChanges();
    }
    QString message = FromUtf8(JapaneseMessage(text));
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return ShowMessageBox(window_, kind, message, kind == BoxKind::Confirmation);
}

void QtView::setClipboard(std::string_view text) {
    QGuiApplication::clipboard()->setText(FromUtf8(text));
}

std::string QtView::clipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return {};
    // The size is checked on the bytes as they come, before any conversion:
    // a text of more bytes than four times the reader's limit is longer than
    // it takes in any encoding, and its first bytes are enough for the reader
    // to refuse it whole.
    constexpr auto kLongest = static_cast<qsizetype>(kMaxPastedBytes);
    for (const QString& format : data->formats()) {
        if (!format.startsWith(QStringLiteral("text/plain"))) continue;
        const QByteArray bytes = data->data(format);
        if (bytes.size() > 4 * kLongest) return std::string(bytes.constData(), kLongest + 1);
        break;
    }
    // Only as much as the paste reader looks at: one character more than it
    // takes is enough for it to refuse a longer text whole.
    return data->text().left(kLongest + 1).toStdString();
}

bool QtView::statusBarVisible() const {
    return window_ && window_->statusBarShown();
}

void QtView::reapplyStatusBar() {
    if (window_) window_->reapplyStatusBar();
}

}  // namespace tavrik::ui
