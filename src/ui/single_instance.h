// The one-copy rule: a per-user lock file in the runtime folder, held with
// flock() for as long as the program runs. The system releases the lock when
// its holder ends, however it ends, so a copy that crashed never leaves it
// stuck, and a lock file left behind is simply taken again.
#pragma once

#include <QString>

namespace tavrik::ui {

class SingleInstanceLock {
  public:
    // Tries the lock once, without waiting.
    explicit SingleInstanceLock(const QString& path = DefaultPath());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False only when another running copy holds the lock. A lock file that
    // cannot be opened at all (a runtime folder without write access) does
    // not keep the calculator from starting.
    bool acquired() const { return acquired_; }

    // "tavrik.lock" in the user's runtime folder (XDG_RUNTIME_DIR), or in
    // the temporary folder when there is none.
    static QString DefaultPath();

  private:
    int descriptor_ = -1;
    bool acquired_ = true;
};

}  // namespace tavrik::ui
