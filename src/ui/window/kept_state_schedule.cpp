#include "ui/window/kept_state_schedule.h"

namespace tavrik::ui {

KeptStateSchedule::KeptStateSchedule(std::function<void()> write) {
    timer_.setSingleShot(true);
    timer_.setInterval(kKeptStateDelayMs);
    timer_.callOnTimeout(std::move(write));
}

}  // namespace tavrik::ui
