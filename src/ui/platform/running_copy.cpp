#include "ui/platform/running_copy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tavrik::ui {

namespace {

const QByteArray kShowRequest = QByteArrayLiteral("show\n");
// How long the second copy gives the running one to take its request.
constexpr int kCallTimeoutMs = 400;
constexpr int kDigestHexDigits = 16;
// A request is one short line; a client that sends more is not a copy of ours.
constexpr qint64 kLongestRequest = 64;

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
    QLocalSocket call;
    call.connectToServer(socket);
    if (!call.waitForConnected(kCallTimeoutMs)) return false;
    call.write(kShowRequest);
    const bool sent = call.waitForBytesWritten(kCallTimeoutMs);
    call.disconnectFromServer();
    return sent;
}

// Only a copy that holds the one-copy lock gets here, so a socket already at
// the path was left by one that ended without removing it.
ShowRequests::ShowRequests(const QString& socket, std::function<void()> show, QObject* parent)
    : QObject(parent), show_(std::move(show)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socket) && server_.serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(socket);
        server_.listen(socket);
    }
    connect(&server_, &QLocalServer::newConnection, this, &ShowRequests::accept);
}

void ShowRequests::accept() {
    while (QLocalSocket* caller = server_.nextPendingConnection()) {
        connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
        connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
            if (caller->bytesAvailable() > kLongestRequest) {
                caller->abort();
                return;
            }
            if (!caller->canReadLine()) return;
            const bool show = caller->readLine(kLongestRequest) == kShowRequest;
            caller->disconnectFromServer();
            if (show) show_();
        });
    }
}

}  // namespace tavrik::ui
