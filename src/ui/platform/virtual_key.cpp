#include "ui/platform/virtual_key.h"

#include <algorithm>
#include <array>

namespace tavrik::ui {
namespace {

int KeypadKey(Qt::Key key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:  // the decimal key where the decimal sign is a comma
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
    }
}

int ControlKey(Qt::Key key) {
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Clear:
            return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Print:
            return 44;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Menu:
            return 93;
        case Qt::Key_NumLock:
            return 144;
        case Qt::Key_ScrollLock:
            return 145;
        default:
            return 0;
    }
}

// A punctuation character and the key that types it on a US and on a JIS
// keyboard, with whether Shift is needed there.
struct PunctuationKey {
    Qt::Key key;
    int usCode;
    bool usShift;
    int jisCode;
    bool jisShift;
};

constexpr std::array kPunctuation{
    PunctuationKey{Qt::Key_Exclam, 49, true, 49, true},
    PunctuationKey{Qt::Key_QuoteDbl, 222, true, 50, true},
    PunctuationKey{Qt::Key_NumberSign, 51, true, 51, true},
    PunctuationKey{Qt::Key_Dollar, 52, true, 52, true},
    PunctuationKey{Qt::Key_Percent, 53, true, 53, true},
    PunctuationKey{Qt::Key_Ampersand, 55, true, 54, true},
    PunctuationKey{Qt::Key_Apostrophe, 222, false, 55, true},
    PunctuationKey{Qt::Key_ParenLeft, 57, true, 56, true},
    PunctuationKey{Qt::Key_ParenRight, 48, true, 57, true},
    PunctuationKey{Qt::Key_Asterisk, 56, true, 186, true},
    PunctuationKey{Qt::Key_Plus, 187, true, 187, true},
    PunctuationKey{Qt::Key_Comma, 188, false, 188, false},
    PunctuationKey{Qt::Key_Minus, 189, false, 189, false},
    PunctuationKey{Qt::Key_Period, 190, false, 190, false},
    PunctuationKey{Qt::Key_Slash, 191, false, 191, false},
    PunctuationKey{Qt::Key_Colon, 186, true, 186, false},
    PunctuationKey{Qt::Key_Semicolon, 186, false, 187, false},
    PunctuationKey{Qt::Key_Less, 188, true, 188, true},
    PunctuationKey{Qt::Key_Equal, 187, false, 189, true},
    PunctuationKey{Qt::Key_Greater, 190, true, 190, true},
    PunctuationKey{Qt::Key_Question, 191, true, 191, true},
    PunctuationKey{Qt::Key_At, 50, true, 192, false},
    PunctuationKey{Qt::Key_BracketLeft, 219, false, 219, false},
    PunctuationKey{Qt::Key_Backslash, 220, false, 220, false},
    PunctuationKey{Qt::Key_BracketRight, 221, false, 221, false},
    PunctuationKey{Qt::Key_AsciiCircum, 54, true, 222, false},
    PunctuationKey{Qt::Key_Underscore, 189, true, 189, true},
    PunctuationKey{Qt::Key_QuoteLeft, 192, false, 192, true},
    PunctuationKey{Qt::Key_BraceLeft, 219, true, 219, true},
    PunctuationKey{Qt::Key_Bar, 220, true, 220, true},
    PunctuationKey{Qt::Key_BraceRight, 221, true, 221, true},
    PunctuationKey{Qt::Key_AsciiTilde, 192, true, 222, true},
    PunctuationKey{Qt::Key_yen, 220, false, 220, false},
};

int PunctuationCode(Qt::Key key, bool shift) {
    const auto found = std::find_if(kPunctuation.begin(), kPunctuation.end(),
                                    [key](const PunctuationKey& p) { return p.key == key; });
    if (found == kPunctuation.end()) return 0;
    if (found->usShift != shift && found->jisShift == shift) return found->jisCode;
    return found->usCode;
}

}  // namespace

int VirtualKeyOf(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (const int code = KeypadKey(key)) return code;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 48 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    if (const int code = ControlKey(key)) return code;
    return PunctuationCode(key, modifiers.testFlag(Qt::ShiftModifier));
}

}  // namespace tavrik::ui
