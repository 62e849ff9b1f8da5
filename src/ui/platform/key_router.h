// Keyboard keys as the calculator takes them: a key counts once, at its
// release, as the Windows virtual-key code and the Shift, Ctrl and Alt
// modifiers of its own press. The main window and the settings dialog's key
// capture both pair presses with releases here.
#pragma once

#include <QtGlobal>
#include <array>
#include <optional>
#include <unordered_map>

#include "engine/keyboard.h"

class QKeyEvent;

namespace tavrik::ui {

struct KeyboardKey {
    int code = 0;  // virtual-key code; 0 when the key has none
    unsigned modifiers = 0;
};

// The KeyModifier bits of the modifiers an event holds.
unsigned KeyModifiersOf(const QKeyEvent& event);

class KeyRouter {
  public:
    // A key went down: it waits for its own release. The auto-repeats of a
    // held key are no new presses: nullopt.
    std::optional<KeyboardKey> press(const QKeyEvent& event);
    // A key came up: the key as it went down, when that press still waits.
    // Nothing for an auto-repeat, for a key without a code, or for a release
    // whose press went elsewhere or was forgotten. The press is taken before
    // the caller acts: a box the key opens may be closed with the same key,
    // and that release must find nothing to pair with.
    std::optional<KeyboardKey> release(const QKeyEvent& event);
    // Forgets the keys held down, for when their releases go elsewhere
    // (another window, a dialog, a box).
    void forget();

  private:
    // Qt names a key after the modifiers held at the moment (Shift+";" goes
    // down as "+" and, with Shift let go first, comes up as ";"), while a
    // virtual-key code names the physical key: a release takes the code of
    // the press with its scan code.
    int releasedCode(const QKeyEvent& event);

    std::unordered_map<quint32, int> codeByScanCode_;
    // The modifiers held at the press of each key still down, so that keys
    // overlapping in fast typing each count at their own release.
    std::array<std::optional<unsigned>, kVirtualKeyCount> held_{};
};

}  // namespace tavrik::ui
