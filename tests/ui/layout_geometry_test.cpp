// Geometry of the window without widgets: the default key grid and the
// stacking of panels into columns.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "settings/key_codes.h"
#include "ui/panels/key_grid.h"
#include "ui/panels/panel_arrangement.h"

namespace tavrik::ui {
namespace {

TEST(KeyCellSize, RoundsToNearest) {
    EXPECT_EQ(KeyCellWidth(12, 24), 29);  // 28.8
    EXPECT_EQ(KeyCellWidth(12, 10), 12);
    EXPECT_EQ(KeyCellWidth(13, 25), 33);  // 32.5 rounds away from zero
    EXPECT_EQ(KeyCellHeight(17), 27);     // 27.3
    EXPECT_EQ(KeyCellHeight(12), 21);     // 20.8
}

// Over cell sizes and gaps from none to wide, every on-screen key has a
// size, lies inside the panel and overlaps no other key.
TEST(DefaultKeyGrid, EveryKeyPlacedInsideThePanelWithoutOverlap) {
    struct Cell {
        int width, height, gap;
    };
    for (const Cell cell : {Cell{30, 20, 2}, Cell{1, 1, 0}, Cell{12, 21, 0}, Cell{29, 27, 15}}) {
        const KeyGrid grid = DefaultKeyGrid(cell.width, cell.height, cell.gap);
        const auto key = [&](int tag) -> const KeyRect& {
            return grid.keys[static_cast<std::size_t>(tag)];
        };
        for (int a = 1; a <= kOnScreenKeys; ++a) {
            SCOPED_TRACE(::testing::Message() << "cell " << cell.width << "x" << cell.height
                                              << " gap " << cell.gap << ", key " << a);
            const KeyRect& ka = key(a);
            EXPECT_GT(ka.width, 0);
            EXPECT_GT(ka.height, 0);
            EXPECT_GE(ka.left, 0);
            EXPECT_GE(ka.top, 0);
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
