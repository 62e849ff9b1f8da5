// Reads the system's font configuration on a thread of its own while the
// program connects to the display. The window's layout measures its fonts
// before the window can be shown, and the first font asked for would
// otherwise read the configuration there and then: a few milliseconds of
// every start.
#pragma once

#include <thread>

namespace tavrik::ui {

class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits until the configuration is read; called before the first font
    // is used, so that Qt never reads a second one alongside.
    void wait();

  private:
    std::thread reader_;
};

}  // namespace tavrik::ui
