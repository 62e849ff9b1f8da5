#include "ui/platform/file_dialog.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

namespace tavrik::ui {

namespace {

// Text files first; every file can be chosen too.
const QString kTextFilesFilter = QStringLiteral("テキストファイル (*.txt);;すべてのファイル (*)");
// Room for the name, size, type and date columns of the dialog's detail view.
constexpr QSize kFileDialogSize{760, 460};
constexpr int kNameColumnWidth = 300;
constexpr int kDateColumnWidth = 160;
constexpr int kDateColumn = 3;

}  // namespace

// Qt's own file dialog, in detail view, with its columns wide enough to read
// the name and the date.
std::optional<std::string> AskTextFilePath(QWidget* parent, FileDialogKind kind,
                                           const QString& title) {
    QFileDialog dialog(parent, title, {}, kTextFilesFilter);
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
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace tavrik::ui
