#include "ui/platform/file_dialog.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <array>

namespace tavrik::ui {

namespace {

const QString kAllFilesFilter = QStringLiteral("すべてのファイル (*)");

struct FileType {
    QString filter;
    QString suffix;
};

const FileType& TypeOf(FileDialogKind kind) {
    static const FileType text{QStringLiteral("テキストファイル (*.txt)"), QStringLiteral("txt")};
    static const FileType csv{QStringLiteral("CSV ファイル (*.csv)"), QStringLiteral("csv")};
    static const FileType pdf{QStringLiteral("PDF ファイル (*.pdf)"), QStringLiteral("pdf")};
    switch (kind) {
        case FileDialogKind::SaveCsv:
            return csv;
        case FileDialogKind::SavePdf:
            return pdf;
        default:
            return text;
    }
}
constexpr QSize kFileDialogSize{820, 460};
// The detail view's columns, each as wide as a typical entry of it plus a margin.
constexpr int kColumnMargin = 24;
const std::array<QString, 4> kColumnSamples{
    QStringLiteral("たとえば長めのファイル名.txt"), QStringLiteral("1,023.99 KiB"),
    QStringLiteral("txt ファイル フォルダー"), QStringLiteral("2026/12/31 23:59:59")};

}  // namespace

// Qt's own file dialog, in detail view, with its columns wide enough to read
// the name, the size, the type and the date. Saved under the type's filter,
// a name without a suffix gets the type's (".txt", ".csv", ".pdf"), so that
// the filter lists it.
std::optional<std::string> AskFilePath(QWidget* parent, FileDialogKind kind, const QString& title) {
    const QString& typeFilter = TypeOf(kind).filter;
    const QString& typeSuffix = TypeOf(kind).suffix;
    QFileDialog dialog(parent, title, {}, typeFilter + QStringLiteral(";;") + kAllFilesFilter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setAcceptMode(kind == FileDialogKind::Open ? QFileDialog::AcceptOpen
                                                      : QFileDialog::AcceptSave);
    dialog.setFileMode(kind == FileDialogKind::Open ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    if (kind != FileDialogKind::Open) {
        dialog.setDefaultSuffix(typeSuffix);
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &typeFilter, &typeSuffix](const QString& filter) {
                             dialog.setDefaultSuffix(filter == typeFilter ? typeSuffix : QString());
                         });
    }
    dialog.resize(kFileDialogSize);
    if (auto* view = dialog.findChild<QTreeView*>()) {
        for (int column = 0; column < static_cast<int>(kColumnSamples.size()); ++column) {
            const QString& sample = kColumnSamples[static_cast<std::size_t>(column)];
            view->header()->resizeSection(
                column, view->fontMetrics().horizontalAdvance(sample) + kColumnMargin);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace tavrik::ui
