#include "ui/keyboard_keys.h"

#include <QKeyEvent>

#include "engine/calculator.h"

namespace tavrik::ui {

namespace {

int KeypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 0x60 + (key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Asterisk:
            return 0x6A;
        case Qt::Key_Plus:
            return 0x6B;
        case Qt::Key_Minus:
            return 0x6D;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 0x6E;
        case Qt::Key_Slash:
            return 0x6F;
        case Qt::Key_Enter:
            return 0x0D;
        default:
            return 0;
    }
}

int MainCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // '0'..'9' = 0x30..0x39
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // 'A'..'Z' = 0x41..0x5A
    switch (key) {
        case Qt::Key_Backspace:
            return 0x08;
        case Qt::Key_Tab:
            return 0x09;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 0x0D;
        case Qt::Key_Shift:
            return 0x10;
        case Qt::Key_Control:
            return 0x11;
        case Qt::Key_Alt:
            return 0x12;
        case Qt::Key_Escape:
            return 0x1B;
        case Qt::Key_Space:
            return 0x20;
        case Qt::Key_Delete:
            return 0x2E;
        default:
            return 0;
    }
}

}  // namespace

KeyboardKey KeyboardKeyOf(const QKeyEvent& event) {
    KeyboardKey result;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    result.code = modifiers & Qt::KeypadModifier ? KeypadCode(event.key()) : MainCode(event.key());
    if (modifiers & Qt::ShiftModifier) result.modifiers |= kShiftKey;
    if (modifiers & Qt::ControlModifier) result.modifiers |= kCtrlKey;
    if (modifiers & Qt::AltModifier) result.modifiers |= kAltKey;
    return result;
}

}  // namespace tavrik::ui
