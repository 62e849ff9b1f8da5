#include "ui/platform/font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include "ui/platform/panel_font.h"

namespace tavrik::ui {

FontWarmUp::FontWarmUp() : worker_([this] { run(); }) {}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::applicationReady() {
    release(true);
}

void FontWarmUp::release(bool applicationExists) {
    if (released_) return;
    released_ = true;
    applicationExists_ = applicationExists;
    ready_.release();
}

void FontWarmUp::wait() {
    // Never waits for a release that cannot come.
    release(false);
    if (worker_.joinable()) worker_.join();
}

void FontWarmUp::run() {
    // FcInit loads the configuration that every later fontconfig call, Qt's
    // included, shares; fontconfig sets it up safely across threads.
    FcInit();
    ready_.acquire();
    // QFontDatabase is thread-safe; the main thread's first font waits on
    // its lock, or on the family's one-time initialisation, if it comes
    // before this is done.
    if (applicationExists_) JapaneseFallbackFamily();
}

}  // namespace tavrik::ui
