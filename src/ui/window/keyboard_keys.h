// Keyboard events as the calculator takes them: a Windows virtual-key code
// and the Shift, Ctrl and Alt modifiers.
#pragma once

#include <QtGlobal>
#include <unordered_map>

class QKeyEvent;

namespace tavrik::ui {

struct KeyboardKey {
    int code = 0;  // 0 when the key has no code
    unsigned modifiers = 0;
};

// Gives a released key the virtual-key code of its press. Qt names a key
// after the modifiers held at the moment (Shift+";" goes down as "+" and,
// with Shift let go first, comes up as ";"), while a virtual-key code names
// the physical key, whichever modifiers come and go.
class KeyboardKeys {
  public:
    KeyboardKey pressed(const QKeyEvent& event);
    // The code of the released key; 0 when it has none.
    int released(const QKeyEvent& event);
    // Forgets the keys held down, for when their releases go elsewhere.
    void clear() { held_.clear(); }

  private:
    std::unordered_map<quint32, int> held_;  // code by native scan code
};

}  // namespace tavrik::ui
