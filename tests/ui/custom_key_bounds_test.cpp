// Keys placed from `BoundsB` entries instead of the default grid.
#include <gtest/gtest.h>

#include "ui/panels/custom_key_bounds.h"

namespace tavrik::ui {
namespace {

std::array<std::string, 36> Bounds(std::initializer_list<std::pair<int, const char*>> entries) {
    std::array<std::string, 36> bounds;
    for (const auto& [tag, text] : entries) bounds[static_cast<std::size_t>(tag)] = text;
    return bounds;
}

TEST(CustomKeyBounds, NoEntryMeansTheDefaultGrid) {
    EXPECT_FALSE(CustomKeyBounds(Bounds({}), 2).has_value());
}

TEST(CustomKeyBounds, OneEntryPlacesThatKeyAndDropsTheOthers) {
    const auto layout = CustomKeyBounds(Bounds({{5, "10,20,30,40,clRed"}}), 2);
    ASSERT_TRUE(layout.has_value());
    const CustomKey& key = layout->keys[5];
    EXPECT_TRUE(key.placed);
    EXPECT_EQ(key.rect, (KeyRect{10, 20, 30, 40}));
    EXPECT_EQ(key.color, kClRed);
    for (int tag = 1; tag <= 35; ++tag) {
        if (tag != 5) {
            EXPECT_FALSE(layout->keys[static_cast<std::size_t>(tag)].placed) << tag;
        }
    }
    EXPECT_EQ(layout->width, 40 + 2);
    EXPECT_EQ(layout->height, 60 + 2);
}

TEST(CustomKeyBounds, PanelReachesTheFarthestEdges) {
    const auto layout = CustomKeyBounds(Bounds({{1, "0,100,10,10"}, {2, "200,0,5,5"}}), 3);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->width, 205 + 3);
    EXPECT_EQ(layout->height, 110 + 3);
}

TEST(CustomKeyBounds, ColourPartIsOptional) {
    const auto layout = CustomKeyBounds(Bounds({{1, "0,0,10,10"},
                                                {2, "0,0,10,10,"},
                                                {3, "0,0,10,10,notacolour"},
                                                {4, "0,0,10,10,$00123456"}}),
                                        2);
    ASSERT_TRUE(layout.has_value());
    EXPECT_FALSE(layout->keys[1].color.has_value());
    EXPECT_FALSE(layout->keys[2].color.has_value());
    EXPECT_FALSE(layout->keys[3].color.has_value());
    EXPECT_EQ(layout->keys[4].color, 0x00123456u);
    for (int tag = 1; tag <= 4; ++tag)
        EXPECT_TRUE(layout->keys[static_cast<std::size_t>(tag)].placed);
}

TEST(CustomKeyBounds, EmptyOrFlatEntriesHideTheKey) {
    const auto layout = CustomKeyBounds(
        Bounds({{1, "0,0,0,10"}, {2, "0,0,10,-1"}, {3, "0,0,10"}, {4, "5,5,8,8"}}), 2);
    ASSERT_TRUE(layout.has_value());
    EXPECT_FALSE(layout->keys[1].placed);
    EXPECT_FALSE(layout->keys[2].placed);
    EXPECT_FALSE(layout->keys[3].placed);
    EXPECT_TRUE(layout->keys[4].placed);
}

TEST(CustomKeyBounds, NumbersAfterOneThatDoesNotConvertAreZero) {
    // "x" for the top: the top and everything after it count as 0, so the key is flat.
    const auto layout = CustomKeyBounds(Bounds({{1, "7,x,10,10"}, {2, "7, 8 ,10,10"}}), 2);
    ASSERT_TRUE(layout.has_value());
    EXPECT_FALSE(layout->keys[1].placed);
    EXPECT_EQ(layout->keys[2].rect, (KeyRect{7, 8, 10, 10}));
}

}  // namespace
}  // namespace tavrik::ui
