// The file dialog of the window's file commands: Qt's own dialog for text,
// CSV or PDF files, in detail view.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <string>

namespace tavrik::ui {

enum class FileDialogKind { Open, Save, SaveCsv, SavePdf };

// The chosen path, UTF-8; empty when the dialog was cancelled.
std::optional<std::string> AskFilePath(QWidget* parent, FileDialogKind kind, const QString& title);

}  // namespace tavrik::ui
