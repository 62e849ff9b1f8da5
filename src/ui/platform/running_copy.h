// A second start brings the running window back. The running copy listens on
// a local socket in the runtime folder, named after the folder of its
// settings file as the one-copy lock is; a copy that finds the lock taken
// sends "show" there and ends. Neither side ever waits long: a stale socket
// left by a copy that crashed is replaced by the next copy that holds the
// lock, and a caller that finds nobody listening simply ends.
//
// The socket is a plain Unix socket watched by the event loop: the network
// module would map about 1.5 MB of libraries (Kerberos, proxy lookup) into
// every start for one line of text.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

namespace tavrik::ui {

// "tavrik-" and a digest of `settingsFolder`, in the user's runtime folder
// (the temporary folder when there is none).
QString RunningCopySocket(const QString& settingsFolder);

// The second copy: asks the copy listening at `socket` to show its window.
// Returns within a second whatever the other side does. False when nobody
// took the request.
bool AskRunningCopyToShow(const QString& socket);

// The running copy: `show` runs for each request that arrives.
class ShowRequests final : public QObject {
  public:
    ShowRequests(const QString& socket, std::function<void()> show, QObject* parent = nullptr);
    ~ShowRequests() override;
    ShowRequests(const ShowRequests&) = delete;
    ShowRequests& operator=(const ShowRequests&) = delete;

    bool listening() const { return listener_ >= 0; }

  private:
    void accept();

    std::string path_;
    int listener_ = -1;
    std::function<void()> show_;
};

}  // namespace tavrik::ui
