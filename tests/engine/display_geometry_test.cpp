// The display's width and hexadecimal word size from `DigitsD`, measured in
// cells of one digit as the console lays them out.
#include "engine/display_geometry.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(DisplayGeometryTest, DigitsDecideWidthAndHexWordsAStripItsWidth) {
    struct Case {
        int digitsD;
        int textWidth;  // 0: the width a fixed display takes
        int width;
        int hexWidth;
    };
    for (const Case& c : {Case{1, 0, 12, 8}, Case{9, 0, 12, 8}, Case{18, 0, 20, 8},
                          Case{19, 0, 21, 16}, Case{-4, 25, 25, 16}, Case{150, 0, 102, 16},
                          // The strip: more than 18 digits fit, or not.
                          Case{0, 25, 25, 16}, Case{0, 18, 18, 8}, Case{0, 19, 19, 16}}) {
        SCOPED_TRACE(c.digitsD);
        const int width = c.textWidth != 0 ? c.textWidth : DisplayTextWidth(c.digitsD, 1);
        const DisplayGeometry g = DisplayGeometryOf(c.digitsD, width, 1);
        EXPECT_EQ(g.displayWidth, c.width);
        EXPECT_EQ(g.hexWidth, c.hexWidth);
    }
    EXPECT_EQ(DisplayTextWidth(0, 9), 0);
    EXPECT_EQ(DisplayGeometryOf(0, 9 * 19, 9).hexWidth, 16) << "digits counted in pixels";
    EXPECT_EQ(DisplayGeometryOf(0, 9 * 19 - 1, 9).hexWidth, 8);
}

}  // namespace
}  // namespace tavrik
