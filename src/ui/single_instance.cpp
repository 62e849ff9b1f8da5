#include "ui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace tavrik::ui {

namespace {

const QString kLockFileName = QStringLiteral("tavrik.lock");

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString& path) : lock_(path), acquired_(false) {
    // The lock lives as long as the program: it must never go stale by age,
    // only when its owner process is gone.
    lock_.setStaleLockTime(0);
    acquired_ = lock_.tryLock(0);
}

QString SingleInstanceLock::DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(kLockFileName);
}

}  // namespace tavrik::ui
