// Geometry of the window without widgets: the default key grid and the
// stacking of panels into columns.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/button_codes.h"
#include "ui/key_grid.h"
#include "ui/panel_arrangement.h"

namespace tavrik::ui {
namespace {

TEST(KeyCellSize, RoundsToNearest) {
    EXPECT_EQ(KeyCellWidth(12, 24), 29);  // 28.8
    EXPECT_EQ(KeyCellWidth(12, 10), 12);
    EXPECT_EQ(KeyCellWidth(13, 25), 33);  // 32.5 rounds away from zero
    EXPECT_EQ(KeyCellHeight(17), 27);     // 27.3
    EXPECT_EQ(KeyCellHeight(12), 21);     // 20.8
}

class DefaultKeyGridTest : public ::testing::Test {
  protected:
    static constexpr int w = 30, h = 20, g = 2;
    KeyGrid grid = DefaultKeyGrid(w, h, g);
    const KeyRect& key(int tag) const { return grid.keys[static_cast<std::size_t>(tag)]; }
};

TEST_F(DefaultKeyGridTest, TopRowHasTheWideAllClearKey) {
    EXPECT_EQ(key(kAllClear), (KeyRect{0, 0, 2 * w - g, h}));
    EXPECT_EQ(key(kBackspace), (KeyRect{2 * w, 0, w, h}));
    EXPECT_EQ(key(kTaxIn), (KeyRect{3 * w + g, 0, w, h}));
    EXPECT_EQ(key(kTaxOut), (KeyRect{4 * w + g, 0, w, h}));
    EXPECT_EQ(key(kCopy), (KeyRect{5 * w + 2 * g, 0, w, h}));
}

TEST_F(DefaultKeyGridTest, DigitBlockSitsBelowOneGap) {
    // Tags of the digits are digit + 1.
    EXPECT_EQ(key(8), (KeyRect{0, h + g, w, h}));       // "7"
    EXPECT_EQ(key(10), (KeyRect{2 * w, h + g, w, h}));  // "9"
    EXPECT_EQ(key(5), (KeyRect{0, 2 * h + g, w, h}));   // "4"
    EXPECT_EQ(key(3), (KeyRect{w, 3 * h + g, w, h}));   // "2"
    EXPECT_EQ(key(kDigit0), (KeyRect{0, 4 * h + g, w, h}));
    EXPECT_EQ(key(kThreeZeros), (KeyRect{w, 4 * h + g, w, h}));
    EXPECT_EQ(key(kPoint), (KeyRect{2 * w, 4 * h + g, w, h}));
}

TEST_F(DefaultKeyGridTest, OperatorAndMemoryColumns) {
    const int rows[4] = {h + g, 2 * h + g, 3 * h + g, 4 * h + g};
    const int operators[4] = {kDivide, kMultiply, kSubtract, kAdd};
    const int sides[4] = {kClearEntry, kPercent, kChangeSign, kEquals};
    const int memories[4] = {kMemoryClear, kMemoryRecall, kMemorySubtract, kMemoryAdd};
    for (int row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(key(operators[row]), (KeyRect{3 * w + g, rows[row], w, h}));
        EXPECT_EQ(key(sides[row]), (KeyRect{4 * w + g, rows[row], w, h}));
        EXPECT_EQ(key(memories[row]), (KeyRect{5 * w + 2 * g, rows[row], w, h}));
    }
}

TEST_F(DefaultKeyGridTest, LetterRowWithTwoWideKeys) {
    const int top = 5 * h + 2 * g;
    EXPECT_EQ(key(11), (KeyRect{0, top, w, h}));
    EXPECT_EQ(key(12), (KeyRect{w, top, w, h}));
    EXPECT_EQ(key(13), (KeyRect{2 * w, top, w + g, h}));
    EXPECT_EQ(key(14), (KeyRect{3 * w + g, top, w, h}));
    EXPECT_EQ(key(15), (KeyRect{4 * w + g, top, w + g, h}));
    EXPECT_EQ(key(16), (KeyRect{5 * w + 2 * g, top, w, h}));
}

TEST_F(DefaultKeyGridTest, EveryKeyPlacedInsideThePanelWithoutOverlap) {
    EXPECT_EQ(grid.width, 6 * w + 2 * g);
    EXPECT_EQ(grid.height, 6 * h + 2 * g);
    for (int a = 1; a <= kOnScreenKeys; ++a) {
        SCOPED_TRACE(a);
        const KeyRect& ka = key(a);
        EXPECT_GT(ka.width, 0);
        EXPECT_LE(ka.right(), grid.width);
        EXPECT_LE(ka.bottom(), grid.height);
        for (int b = a + 1; b <= kOnScreenKeys; ++b) {
            const KeyRect& kb = key(b);
            const bool apart = ka.right() <= kb.left || kb.right() <= ka.left ||
                               ka.bottom() <= kb.top || kb.bottom() <= ka.top;
            EXPECT_TRUE(apart) << "keys " << a << " and " << b << " overlap";
        }
    }
}

class ArrangeColumnsTest : public ::testing::Test {
  protected:
    Arrangement arrange(std::string_view disp, int top = 0) {
        return ArrangeColumns(ReadDisp(disp), top,
                              [this](PanelKind kind) -> std::optional<PanelSize> {
                                  const auto it = shown.find(InfoOf(kind).letter);
                                  if (it == shown.end()) return std::nullopt;
                                  return it->second;
                              });
    }
    static const PlacedPanel* find(const Arrangement& a, char letter) {
        for (const PlacedPanel& p : a.panels)
            if (InfoOf(p.kind).letter == letter) return &p;
        return nullptr;
    }

    std::map<char, PanelSize> shown{{'D', {200, 30}}, {'B', {180, 160}}, {'F', {150, 90}}};
};

TEST_F(ArrangeColumnsTest, DefaultOrderStacksDisplayOverButtonsThenFormulaColumn) {
    const Arrangement a = arrange("DBM/FSH", 20);
    ASSERT_EQ(a.panels.size(), 3u);
    const PlacedPanel* d = find(a, 'D');
    const PlacedPanel* b = find(a, 'B');
    const PlacedPanel* f = find(a, 'F');
    EXPECT_EQ(d->x, 0);
    EXPECT_EQ(d->y, 20);
    EXPECT_EQ(b->x, 0);
    EXPECT_EQ(b->y, 50);
    // The narrower button panel is widened to the column.
    EXPECT_EQ(b->width, 200);
    EXPECT_EQ(f->x, 200);
    EXPECT_EQ(f->y, 20);
    EXPECT_EQ(a.right, 350);
    EXPECT_EQ(a.bottom, 210);
}

TEST_F(ArrangeColumnsTest, PanelNamedTwiceTakesRoomOnceAtItsFirstLetter) {
    const Arrangement a = arrange("DBd");
    ASSERT_EQ(a.panels.size(), 2u);
    EXPECT_EQ(find(a, 'D')->y, 0);
    EXPECT_EQ(find(a, 'B')->y, 30);
    EXPECT_EQ(a.bottom, 190);
}

TEST_F(ArrangeColumnsTest, HiddenPanelLeavesNoGap) {
    shown.erase('D');
    const Arrangement a = arrange("DB");
    ASSERT_EQ(a.panels.size(), 1u);
    EXPECT_EQ(a.panels[0].y, 0);
    EXPECT_EQ(a.bottom, 160);
}

TEST_F(ArrangeColumnsTest, RepeatedSlashMakesNoEmptyColumn) {
    const Arrangement a = arrange("D//B");
    EXPECT_EQ(find(a, 'B')->x, 200);
    EXPECT_EQ(find(a, 'B')->y, 0);
    EXPECT_EQ(a.right, 380);
}

TEST_F(ArrangeColumnsTest, StretchingPanelEndsItsColumn) {
    shown['H'] = {120, 60, true};
    const Arrangement a = arrange("DHB/F");
    EXPECT_EQ(find(a, 'H')->x, 0);
    EXPECT_EQ(find(a, 'H')->width, 200) << "widened to its finished column";
    EXPECT_EQ(find(a, 'B')->x, 200);
    EXPECT_EQ(find(a, 'B')->y, 0);
    EXPECT_EQ(find(a, 'F')->x, 380);
}

// Panels whose heights together pass the int range: the edges stay positive
// and bounded instead of wrapping around.
TEST_F(ArrangeColumnsTest, StackedExtentsDoNotOverflow) {
    constexpr int kHuge = 1 << 30;
    for (char letter : {'D', 'B', 'M', 'H'}) shown[letter] = {kHuge, kHuge};
    const Arrangement a = arrange("DBMH/F");
    EXPECT_GT(a.bottom, 1000000);
    EXPECT_GT(a.right, 1000000);
    EXPECT_GT(find(a, 'F')->x, 0);
    for (const PlacedPanel& p : a.panels) ASSERT_GE(p.y, 0);
}

TEST_F(ArrangeColumnsTest, EmptyDispGivesEmptyWindow) {
    const Arrangement a = arrange("", 22);
    EXPECT_TRUE(a.panels.empty());
    EXPECT_EQ(a.right, 0);
    EXPECT_EQ(a.bottom, 22);
}

}  // namespace
}  // namespace tavrik::ui
