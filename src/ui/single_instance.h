// The one-copy rule: a per-user lock file in the runtime folder. A copy that
// crashed leaves its file behind, but the lock is taken over as soon as the
// process named in it no longer runs.
#pragma once

#include <QLockFile>
#include <QString>

namespace tavrik::ui {

class SingleInstanceLock {
  public:
    // Tries the lock once, without waiting.
    explicit SingleInstanceLock(const QString& path = DefaultPath());

    // False when another running copy holds the lock.
    bool acquired() const { return acquired_; }

    // "tavrik.lock" in the user's runtime folder (XDG_RUNTIME_DIR), or in
    // the temporary folder when there is none.
    static QString DefaultPath();

  private:
    QLockFile lock_;
    bool acquired_;
};

}  // namespace tavrik::ui
