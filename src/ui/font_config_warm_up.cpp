#include "ui/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace tavrik::ui {

// FcInit loads the configuration that every later fontconfig call, Qt's
// included, shares; fontconfig sets it up safely across threads.
FontConfigWarmUp::FontConfigWarmUp() : reader_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace tavrik::ui
