#include "ui/font_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <sched.h>

#include "ui/panel_font.h"

namespace tavrik::ui {

// The thread is created at idle priority rather than lowered once it runs:
// a new thread at normal priority may take the main thread's processor
// before the main thread gets to lower it. (std::thread cannot be given a
// policy at creation.)
FontWarmUp::FontWarmUp() {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    const sched_param parameters{};
    pthread_attr_setinheritsched(&attributes, PTHREAD_EXPLICIT_SCHED);
    pthread_attr_setschedpolicy(&attributes, SCHED_IDLE);
    pthread_attr_setschedparam(&attributes, &parameters);
    started_ = pthread_create(&worker_, &attributes, Run, this) == 0 ||
               pthread_create(&worker_, nullptr, Run, this) == 0;
    pthread_attr_destroy(&attributes);
    if (!started_) FcInit();
}

FontWarmUp::~FontWarmUp() {
    // Without an application object the thread ends without asking Qt.
    release(false);
    wait();
}

void FontWarmUp::applicationReady() {
    release(true);
}

void FontWarmUp::release(bool applicationExists) {
    if (released_) return;
    released_ = true;
    if (!started_) {
        if (applicationExists) JapaneseFallbackFamily();
        return;
    }
    // Raised before the thread may be waited for, so that it never waits
    // behind every other program on a busy machine.
    const sched_param parameters{};
    pthread_setschedparam(worker_, SCHED_OTHER, &parameters);
    applicationExists_ = applicationExists;
    ready_.release();
}

void FontWarmUp::wait() {
    // Never waits for a release that cannot come.
    release(false);
    if (!started_) return;
    started_ = false;
    pthread_join(worker_, nullptr);
}

void* FontWarmUp::Run(void* self) {
    auto& warmUp = *static_cast<FontWarmUp*>(self);
    // FcInit loads the configuration that every later fontconfig call, Qt's
    // included, shares; fontconfig sets it up safely across threads.
    FcInit();
    warmUp.ready_.acquire();
    // QFontDatabase is thread-safe; the main thread's first font waits on
    // its lock, or on the family's one-time initialisation, if it comes
    // before this is done.
    if (warmUp.applicationExists_) JapaneseFallbackFamily();
    return nullptr;
}

}  // namespace tavrik::ui
