#include "ui/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tavrik::ui {

namespace {

// The reader yields the processor to the main thread and to the display
// server, which Qt keeps busy while it connects; it runs in their pauses.
constexpr int kLowestPriority = 19;

void ReadFontConfiguration() {
    // On Linux a thread's nice value is its own.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLowestPriority);
    // FcInit loads the configuration that every later fontconfig call, Qt's
    // included, shares; fontconfig sets it up safely across threads.
    FcInit();
}

}  // namespace

FontConfigWarmUp::FontConfigWarmUp() : reader_(ReadFontConfiguration) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace tavrik::ui
