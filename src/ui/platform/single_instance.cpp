#include "ui/platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <system_error>

namespace tavrik::ui {

namespace {

const QString kLockFileName = QStringLiteral("tavrik.lock");
constexpr mode_t kOwnerOnly = 0600;

}  // namespace

// Two system calls: QLockFile writes and checks an owner record, which cost
// the start-up about a millisecond for a guarantee flock() gives by itself.
// The descriptor is closed on exec, so programs started from the calculator
// (the help browser) never inherit the lock.
SingleInstanceLock::SingleInstanceLock(const QString& path) {
    if (path.isEmpty()) return;
    const QByteArray name = QFile::encodeName(path);
    descriptor_ = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, kOwnerOnly);
    if (descriptor_ < 0 && errno == EISDIR)
        descriptor_ = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0) return;
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) return;
    acquired_ = errno != EWOULDBLOCK;
    ::close(descriptor_);
    descriptor_ = -1;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

QString SingleInstanceLock::DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(kLockFileName);
}

QString SingleInstanceLock::SettingsPath(const std::filesystem::path& settingsFile) {
    if (settingsFile.empty()) return {};
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(settingsFile, error);
    return QFile::decodeName((error ? settingsFile : resolved).parent_path().c_str());
}

}  // namespace tavrik::ui
