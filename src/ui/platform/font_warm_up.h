// Font set-up that needs no widget, done on a thread of its own while the
// main thread starts Qt and builds the window:
// - while Qt connects to the display, reading the system's font
//   configuration;
// - once the application object exists, filling Qt's font database and
//   choosing the Japanese fallback family, while the main thread builds the
//   first widgets, which need no font yet.
// The layout measures its fonts before the window is shown; without this the
// first measurement would do all of it there and then, a few milliseconds
// of every start. The thread keeps the normal priority: the main thread
// waits for it, and an ordinary user could not raise a lowered thread
// again, so on a busy machine the start would wait behind other programs.
#pragma once

#include <atomic>
#include <semaphore>
#include <thread>

namespace tavrik::ui {

class FontWarmUp {
  public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Called once the QApplication exists: the thread goes on with Qt's font
    // database.
    void applicationReady();

    // Waits for the thread to end; called before the application object
    // goes away. Without applicationReady() first, Qt is not asked.
    void wait();

  private:
    void run();
    void release(bool applicationExists);

    std::binary_semaphore ready_{0};
    std::atomic<bool> applicationExists_{false};
    bool released_ = false;
    std::thread worker_;  // last: starts once the members above exist
};

}  // namespace tavrik::ui
