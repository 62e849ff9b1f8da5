#include <gtest/gtest.h>

#include "ui/platform/virtual_key.h"

namespace tavrik::ui {
namespace {

TEST(VirtualKeyTest, MapsQtKeysToWindowsCodes) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 65},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, Qt::NoModifier, 48},
        {Qt::Key_5, Qt::KeypadModifier, 101},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Return, Qt::NoModifier, 13},
        {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Backspace, Qt::NoModifier, 8},
        {Qt::Key_Delete, Qt::NoModifier, 46},
        {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_Down, Qt::NoModifier, 40},
        {Qt::Key_F1, Qt::NoModifier, 112},
        {Qt::Key_F24, Qt::NoModifier, 135},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Period, Qt::KeypadModifier, 110},
        {Qt::Key_Equal, Qt::NoModifier, 187},
        {Qt::Key_Colon, Qt::NoModifier, 186},
        {Qt::Key_At, Qt::NoModifier, 192},
        {Qt::Key_BracketLeft, Qt::NoModifier, 219},
        {Qt::Key_Comma, Qt::NoModifier, 188},
        {Qt::Key_VolumeUp, Qt::NoModifier, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(VirtualKeyOf(c.key, c.modifiers), c.code) << c.key;
}

}  // namespace
}  // namespace tavrik::ui
