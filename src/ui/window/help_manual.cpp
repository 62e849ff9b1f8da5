#include "ui/window/help_manual.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tavrik::ui {

namespace {

constexpr const char* kStartPage = "index.html";

}  // namespace

QStringList ManualFolders(const QString& exeDir) {
    const QDir dir(exeDir);
    QStringList folders{dir.filePath(QStringLiteral("../share/tavrik/manual")),
                        dir.filePath(QStringLiteral("manual"))};
#ifdef TAVRIK_BINARY_DIR
    folders << QStringLiteral(TAVRIK_BINARY_DIR "/manual");
#endif
#ifdef TAVRIK_SOURCE_DIR
    folders << QStringLiteral(TAVRIK_SOURCE_DIR "/docs/manual");
#endif
    return folders;
}

QString FindManual(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QFileInfo page(QDir(folder).filePath(QString::fromLatin1(kStartPage)));
        if (page.isFile()) return page.canonicalFilePath();
    }
    return {};
}

bool OpenManual(const QString& page) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

}  // namespace tavrik::ui
