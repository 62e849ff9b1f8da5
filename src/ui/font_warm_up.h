// Font set-up that needs no widget, done on a thread of its own while the
// main thread starts Qt and builds the window:
// - while Qt connects to the display, reading the system's font
//   configuration, at idle priority, so that it fills the pauses of the main
//   thread and of the display server instead of competing with them;
// - once the application object exists, filling Qt's font database and
//   choosing the Japanese fallback family, while the main thread builds the
//   first widgets, which need no font yet.
// The layout measures its fonts before the window is shown; without this the
// first measurement would do all of it there and then, a few milliseconds
// of every start.
#pragma once

#include <pthread.h>

#include <atomic>
#include <semaphore>

namespace tavrik::ui {

class FontWarmUp {
  public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Called once the QApplication exists: the thread goes on with Qt's font
    // database, at normal priority, since the main thread will soon wait
    // for it.
    void applicationReady();

    // Waits for the thread to end; called before the application object
    // goes away. Without applicationReady() first, Qt is not asked.
    void wait();

  private:
    static void* Run(void* self);
    void release(bool applicationExists);

    std::binary_semaphore ready_{0};
    std::atomic<bool> applicationExists_{false};
    bool released_ = false;
    bool started_ = false;
    pthread_t worker_{};
};

}  // namespace tavrik::ui
