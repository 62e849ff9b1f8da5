#include "ui/window/qt_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

#include "ui/window/main_window.h"
#include "ui/window/message_box.h"
#include "values/message_catalogue.h"
#include "values/pasted_number.h"

namespace tavrik::ui {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kAllFilesFilter = QStringLiteral("すべてのファイル (*)");
const QString kTextFilesName = QStringLiteral("テキストファイル");
// Room for the name, size, type and date columns of the dialog's detail view.
constexpr QSize kFileDialogSize{760, 460};
constexpr int kNameColumnWidth = 300;
constexpr int kDateColumnWidth = 160;
constexpr int kDateColumn = 3;

// Filters come as "description|pattern|description|pattern…" or as a bare
// pattern; Qt wants "description (pattern);;…". Every file can be chosen too.
QString QtFilter(std::string_view filter) {
    const QStringList parts = FromUtf8(filter).split('|');
    QStringList entries;
    if (parts.size() < 2)
        entries << QStringLiteral("%1 (%2)").arg(kTextFilesName, FromUtf8(filter));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    if (!entries.contains(kAllFilesFilter)) entries << kAllFilesFilter;
    return entries.join(QStringLiteral(";;"));
}

// Qt's own file dialog, in detail view, with its columns wide enough to read
// the name and the date.
QString AskFilePath(QWidget* parent, FileDialogKind kind, const QString& caption,
                    const QString& filter) {
    QFileDialog dialog(parent, caption, {}, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setAcceptMode(kind == FileDialogKind::Open ? QFileDialog::AcceptOpen
                                                      : QFileDialog::AcceptSave);
    dialog.setFileMode(kind == FileDialogKind::Open ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    dialog.resize(kFileDialogSize);
    if (auto* view = dialog.findChild<QTreeView*>()) {
        view->header()->resizeSection(0, kNameColumnWidth);
        view->header()->resizeSection(kDateColumn, kDateColumnWidth);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
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
    QString message = FromUtf8(JapaneseMessage(text));
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
    const QString path = AskFilePath(window_, kind, caption, qtFilter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace tavrik::ui
