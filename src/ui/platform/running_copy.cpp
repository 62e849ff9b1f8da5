#include "ui/platform/running_copy.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <optional>

namespace tavrik::ui {

namespace {

constexpr std::string_view kShowRequest = "show\n";
// How long the second copy gives the running one to take its request.
constexpr int kCallTimeoutMs = 400;
constexpr int kDigestHexDigits = 16;
// A request is one short line; a client that sends more is not a copy of ours.
constexpr std::size_t kLongestRequest = 64;
constexpr int kPendingCallers = 8;
// Only the user may connect.
constexpr mode_t kSocketMode = S_IRUSR | S_IWUSR;

// The address of `path`; none when the path does not fit a socket address.
std::optional<sockaddr_un> AddressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return std::nullopt;
    path.copy(address.sun_path, path.size());
    return address;
}

bool Bind(int fd, const sockaddr_un& address) {
    return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// One caller's connection: reads its line, then closes.
class Caller final : public QObject {
  public:
    Caller(int fd, std::function<void()> show, QObject* parent)
        : QObject(parent), fd_(fd), show_(std::move(show)), notifier_(fd, QSocketNotifier::Read) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Caller::read);
    }
    ~Caller() override { ::close(fd_); }
    Caller(const Caller&) = delete;
    Caller& operator=(const Caller&) = delete;

  private:
    void read() {
        char chunk[kLongestRequest + 1];
        const ssize_t got = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
        if (got > 0) line_.append(chunk, static_cast<std::size_t>(got));
        const bool complete = line_.find('\n') != std::string::npos;
        if (got > 0 && !complete && line_.size() <= kLongestRequest) return;
        notifier_.setEnabled(false);
        deleteLater();
        if (complete && line_ == kShowRequest) show_();
    }

    int fd_;
    std::function<void()> show_;
    QSocketNotifier notifier_;
    std::string line_;
};

}  // namespace

QString RunningCopySocket(const QString& settingsFolder) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    const QByteArray digest =
        QCryptographicHash::hash(settingsFolder.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QDir(folder).filePath(
        QStringLiteral("tavrik-%1.socket").arg(QString::fromLatin1(digest.left(kDigestHexDigits))));
}

bool AskRunningCopyToShow(const QString& socket) {
    const std::optional<sockaddr_un> address = AddressOf(QFile::encodeName(socket).toStdString());
    if (!address) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // Bounds both the connect (a full backlog) and the write.
    const timeval limit{0, kCallTimeoutMs * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    bool sent = ::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    sent = sent && ::send(fd, kShowRequest.data(), kShowRequest.size(), MSG_NOSIGNAL) ==
                       static_cast<ssize_t>(kShowRequest.size());
    ::close(fd);
    return sent;
}

// Only a copy that holds the one-copy lock gets here, so a socket already at
// the path was left by one that ended without removing it.
ShowRequests::ShowRequests(const QString& socket, std::function<void()> show, QObject* parent)
    : QObject(parent), path_(QFile::encodeName(socket).toStdString()), show_(std::move(show)) {
    const std::optional<sockaddr_un> address = AddressOf(path_);
    if (!address) return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return;
    bool bound = Bind(fd, *address);
    if (!bound && errno == EADDRINUSE) {
        ::unlink(path_.c_str());
        bound = Bind(fd, *address);
    }
    if (!bound || ::chmod(path_.c_str(), kSocketMode) != 0 || ::listen(fd, kPendingCallers) != 0) {
        if (bound) ::unlink(path_.c_str());
        ::close(fd);
        return;
    }
    listener_ = fd;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &ShowRequests::accept);
}

ShowRequests::~ShowRequests() {
    if (!listening()) return;
    ::close(listener_);
    ::unlink(path_.c_str());
}

void ShowRequests::accept() {
    int caller;
    while ((caller = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0)
        new Caller(caller, show_, this);
}

}  // namespace tavrik::ui
