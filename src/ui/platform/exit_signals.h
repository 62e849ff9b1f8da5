// SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, a closed terminal, Ctrl+C)
// end the program the way "終了" does: the exit steps of main run once, so
// the settings, the kept state and the log are saved and closed as usual.
// The handler only writes a byte to a pipe; the event loop reads it and
// leaves, so nothing but that write runs inside the handler. A signal the
// program was started with ignored (nohup) stays ignored.
#pragma once

#include <QObject>
#include <vector>

class QSocketNotifier;

namespace tavrik::ui {

class ExitSignals final : public QObject {
  public:
    // Needs the application object; one at a time. Until it is destroyed,
    // the signals never end the program at once.
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    // A signal came: an event loop that has yet to start must not (exec()
    // forgets an exit asked for before it runs, as from a box shown while the
    // window was being built).
    bool requested() const { return requested_; }

  private:
    void arrived();

    QSocketNotifier* notifier_ = nullptr;
    std::vector<int> handled_;
    bool requested_ = false;
};

}  // namespace tavrik::ui
