// Keeps the state file in step while the calculator runs: a change of the
// history, the memory or the formula panel asks for one write a moment
// later, made from the event loop. A key press only arms a timer, and a
// burst of keys costs one write.
#pragma once

#include <QTimer>
#include <functional>

namespace tavrik::ui {

// The write follows the first change by this much, well within a second
// of each completed step.
inline constexpr int kKeptStateDelayMs = 250;

class KeptStateSchedule {
  public:
    explicit KeptStateSchedule(std::function<void()> write);

    // Something kept changed: the write runs once the delay has passed.
    void changed() {
        if (!timer_.isActive()) timer_.start();
    }
    bool pending() const { return timer_.isActive(); }
    // A write made now (at exit) makes the pending one needless.
    void cancel() { timer_.stop(); }

  private:
    QTimer timer_;
};

}  // namespace tavrik::ui
