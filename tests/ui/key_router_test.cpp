// The key router pairs each release with its own press: every key counts
// once, with the modifiers of its press, and a release without a waiting
// press counts for nothing.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <string>
#include <vector>

#include "ui/platform/key_router.h"

namespace tavrik::ui {
namespace {

enum Step { Down, Up, RepeatDown, RepeatUp, Forget };

struct Event {
    Step step;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    quint32 scanCode = 0;
};

// The keys the router gives, one "code/modifiers" per counted key.
std::string Typed(const std::vector<Event>& events) {
    KeyRouter router;
    std::string typed;
    for (const Event& e : events) {
        if (e.step == Forget) {
            router.forget();
            continue;
        }
        const bool down = e.step == Down || e.step == RepeatDown;
        const bool repeat = e.step == RepeatDown || e.step == RepeatUp;
        QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, e.key, e.modifiers,
                        e.scanCode, 0, 0, {}, repeat);
        if (down) {
            router.press(event);
        } else if (const auto key = router.release(event)) {
            typed += std::to_string(key->code) + "/" + std::to_string(key->modifiers) + " ";
        }
    }
    return typed;
}

TEST(KeyRouterTest, PairsEachReleaseWithItsOwnPress) {
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    struct Case {
        const char* what;
        std::vector<Event> events;
        const char* typed;
    };
    const Case cases[] = {
        {"a second release has no press left",
         {{Down, Qt::Key_1}, {Up, Qt::Key_1}, {Up, Qt::Key_1}},
         "49/0 "},
        {"the modifiers of the press count, Shift let go first",
         {{Down, Qt::Key_Shift, shift},
          {Down, Qt::Key_Plus, shift, 47},
          {Up, Qt::Key_Shift},
          {Up, Qt::Key_Semicolon, Qt::NoModifier, 47}},
         "16/0 187/1 "},
        {"a release of another key, or after a forget, counts for nothing",
         {{Down, Qt::Key_3}, {Up, Qt::Key_4}, {Forget}, {Up, Qt::Key_3}},
         ""},
        {"overlapping keys each count at their own release",
         {{Down, Qt::Key_4}, {Down, Qt::Key_5}, {Up, Qt::Key_4}, {Up, Qt::Key_5}},
         "52/0 53/0 "},
        {"a held key counts once through its auto-repeats",
         {{Down, Qt::Key_6},
          {RepeatUp, Qt::Key_6},
          {RepeatDown, Qt::Key_6},
          {RepeatUp, Qt::Key_6},
          {RepeatDown, Qt::Key_6},
          {Up, Qt::Key_6}},
         "54/0 "},
        {"a repeat never stands for a press", {{RepeatDown, Qt::Key_7}, {Up, Qt::Key_7}}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Typed(c.events), c.typed) << c.what;
}

}  // namespace
}  // namespace tavrik::ui
