// The guide bars: placement from the set, the presses that grab a bar, the
// limits of a drag, and a drag with the mouse showing its position.
#include <gtest/gtest.h>

#include <QTest>

#include "ui/window/calculator_app.h"
#include "ui/window/guide_geometry.h"
#include "ui/window/guide_layer.h"
#include "ui/window/status_bar.h"

namespace tavrik::ui {
namespace {

TEST(GuidePlacement, DefaultsToAQuarterAndGrowsTheClient) {
    struct Case {
        int xPos, yPos, top0;
        QSize client;
        int left, top;
        QSize grown;
    };
    const Case cases[] = {
        {-1, -1, 0, {400, 200}, 100, 50, {400, 200}},
        {-1, -1, 60, {400, 200}, 100, 60, {400, 200}},  // kept below the status bar
        {30, 10, 20, {400, 200}, 30, 20, {400, 200}},
        // bar left 398 + border 1 + width 2 + 1
        {398, 10, 0, {400, 200}, 398, 10, {402, 200}},
        {10, 199, 0, {400, 200}, 10, 199, {400, 203}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.xPos << "," << c.yPos << " top0 " << c.top0);
        const GuidePlacement placed =
            PlaceGuideBars(c.xPos, 2, c.yPos, 2, c.client, c.top0, QSize(1000, 800));
        EXPECT_EQ(placed.barLeft, c.left);
        EXPECT_EQ(placed.barTop, c.top);
        EXPECT_EQ(placed.client, c.grown);
    }
}

// A hand-edited position far off grows the client only to the screen, and
// the bar comes back inside it.
TEST(GuidePlacement, GrowsNoFurtherThanTheScreen) {
    const GuidePlacement placed =
        PlaceGuideBars(30000, 2, 20000, 4, QSize(400, 200), 20, QSize(1000, 800));
    EXPECT_EQ(placed.client, QSize(1000, 800));
    EXPECT_EQ(placed.barLeft, 1000 - 1 - 2 - 1);
    EXPECT_EQ(placed.barTop, 800 - 1 - 4 - 1);
}

// A hand-edited position is taken within the 16-bit range of window
// coordinates, up to its last value.
TEST(GuideLayerPlacement, APositionIsTakenUpToTheLargestCoordinate) {
    CalculatorApp app(GlobalSettings{});
    auto* layer = app.window().findChild<GuideLayer*>("imgGuide");
    ASSERT_NE(layer, nullptr);
    SettingsSet set = app.calculator().currentSet();
    const QSize huge(40000, 40000);
    for (const int position : {32766, 32767, 32768, 2147483647}) {
        SCOPED_TRACE(position);
        set.GXPos = set.GYPos = position;
        const GuidePlacement placed = layer->place(set, huge, huge);
        EXPECT_EQ(placed.barLeft, std::min(position, 32767));
        EXPECT_EQ(placed.barTop, std::min(position, 32767));
    }
}

TEST(GuideGrab, TwoWidthsBeforeAndThreeAfterTheEdge) {
    constexpr int edge = 100, width = 3;
    EXPECT_FALSE(GrabsGuideBar(edge - 2 * width, edge, width));
    EXPECT_TRUE(GrabsGuideBar(edge - 2 * width + 1, edge, width));
    EXPECT_TRUE(GrabsGuideBar(edge + 3 * width - 1, edge, width));
    EXPECT_FALSE(GrabsGuideBar(edge + 3 * width, edge, width));
}

TEST(GuideDrag, BarsStayInsideTheClientAndBelowTheStatusBar) {
    constexpr int width = 2;
    EXPECT_EQ(DraggedBarLeft(-40, width, 400), 0);
    EXPECT_EQ(DraggedBarLeft(150, width, 400), 150);
    EXPECT_EQ(DraggedBarLeft(900, width, 400), 400 - 1 - 1 - width);
    EXPECT_EQ(DraggedBarTop(5, width, 300, 20), 20);
    EXPECT_EQ(DraggedBarTop(150, width, 300, 20), 150);
    EXPECT_EQ(DraggedBarTop(900, width, 300, 20), 300 - 1 - 1 - width);
}

GlobalSettings WithBars() {
    GlobalSettings s;
    SettingsSet& set = s.SetTable[kDefaultSetSlot];
    set.GXPos = 40;
    set.GXWidth = 4;
    set.GYPos = -1;
    return s;
}

TEST(GuideLayerDrag, DraggingTheCrossingMovesBothBarsAndShowsTheirPosition) {
    CalculatorApp app(WithBars());
    MainWindow& window = app.window();
    window.show();
    auto* layer = window.findChild<GuideLayer*>("imgGuide");
    auto* status = window.findChild<StatusBar*>("stbMain");
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(layer->barLeft(), 40);
    const int top0 = status->height();
    const int startTop = layer->barTop();
    ASSERT_GE(startTop, top0);

    // The press lies on the grid next to both bars, where panels do not reach:
    // the layer sees it only when nothing covers it, so press it directly.
    const QPoint crossing(layer->barLeft() - 1, startTop - 1);
    QTest::mousePress(layer, Qt::LeftButton, {}, crossing);
    ASSERT_TRUE(layer->dragging());
    QTest::mouseMove(layer, crossing + QPoint(10, 5));
    EXPECT_EQ(layer->barLeft(), 50);
    EXPECT_EQ(layer->barTop(), startTop + 5);
    EXPECT_EQ(status->partText(StatusPart::Message),
              QStringLiteral("(50,%1)").arg(startTop + 5 - top0));
    QTest::mouseRelease(layer, Qt::LeftButton, {}, crossing + QPoint(10, 5));
    EXPECT_FALSE(layer->dragging());

    // A new layout puts the bars back where the set keeps them.
    window.LayoutPanels();
    EXPECT_EQ(layer->barLeft(), 40);
    EXPECT_EQ(layer->barTop(), startTop);
}

// Next to the vertical bar on the horizontal one, a press grabs both.
TEST(GuideLayerDrag, APressOnOneBarNearTheOtherMovesBoth) {
    CalculatorApp app(WithBars());
    app.window().show();
    auto* layer = app.window().findChild<GuideLayer*>("imgGuide");
    const QPoint start(layer->barLeft(), layer->barTop());
    const QPoint onHorizontalBar(layer->barLeft() - 2, layer->barTop());
    QTest::mousePress(layer, Qt::LeftButton, {}, onHorizontalBar);
    QTest::mouseMove(layer, onHorizontalBar + QPoint(10, 5));
    QTest::mouseRelease(layer, Qt::LeftButton, {}, onHorizontalBar + QPoint(10, 5));
    EXPECT_EQ(QPoint(layer->barLeft(), layer->barTop()), start + QPoint(10, 5));
}

// A real press reaches the window at window coordinates and goes to whatever
// lies there. Right of the panels only the grid does; a bar there is grabbed
// from the grid beside it also with the window at the screen's left edge,
// where the press lies left of the bar's position on the screen.
TEST(GuideLayerDrag, APressOnTheGridBesideABarGrabsItThroughTheWindow) {
    GlobalSettings settings = WithBars();
    settings.SetTable[kDefaultSetSlot].GXPos = 500;
    CalculatorApp app(settings);
    MainWindow& window = app.window();
    window.move(0, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* layer = window.findChild<GuideLayer*>("imgGuide");
    const QPoint besideBar =
        layer->mapTo(&window, QPoint(layer->barLeft() - 5, layer->height() - 20));
    ASSERT_EQ(window.childAt(besideBar), layer);
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, besideBar);
    QTest::mouseMove(handle, besideBar - QPoint(10, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, besideBar - QPoint(10, 0));
    EXPECT_EQ(layer->barLeft(), 490);
}

}  // namespace
}  // namespace tavrik::ui
