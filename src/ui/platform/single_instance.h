// The one-copy rule: a per-user lock file in the runtime folder, and the
// folder of the settings file, each held with flock() for as long as the
// program runs. The system releases a lock when its holder ends, however it
// ends, so a copy that crashed never leaves it stuck, and a lock file left
// behind is simply taken again.
#pragma once

#include <QString>
#include <filesystem>

namespace tavrik::ui {

class SingleInstanceLock {
  public:
    // Tries the lock once, without waiting. `path` names a lock file, created
    // when missing, or a folder, which is locked itself.
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

    // The folder that holds the settings file, links followed: copies started
    // with different runtime folders (another session, a changed
    // XDG_RUNTIME_DIR) still share it. Empty, which locks nothing, for a
    // settings file without a place.
    static QString SettingsPath(const std::filesystem::path& settingsFile);

  private:
    int descriptor_ = -1;
    bool acquired_ = true;
};

}  // namespace tavrik::ui
