// The window's size as the user changes it: resizing the window, switching to
// a smaller set, hiding and showing the menu bar, and hand-edited sizes and
// guide bars larger than the screens.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <string>

#include "support/two_sets.h"
#include "ui/window/calculator_app.h"
#include "ui/window/guide_layer.h"
#include "ui/window/status_bar.h"
#include "ui/window/window_behaviours.h"
#include "ui/window/window_placement.h"

namespace tavrik::ui {
namespace {

GlobalSettings LargeThenSmall() {
    GlobalSettings settings = TwoSets("大", "小");
    settings.SetTable[1].Disp = "D";
    return settings;
}

class WindowLayoutTest : public ::testing::Test {
  protected:
    explicit WindowLayoutTest(GlobalSettings settings = LargeThenSmall())
        : app(std::move(settings)) {
        window().show();
    }
    MainWindow& window() { return app.window(); }
    QWidget* client() { return window().centralWidget(); }
    template <class W = QWidget>
    W* find(const char* name) {
        return window().findChild<W*>(name);
    }

    CalculatorApp app;
};

TEST_F(WindowLayoutTest, StatusBarFollowsTheWindowWidth) {
    window().resize(window().width() + 150, window().height());
    EXPECT_EQ(find("stbMain")->width(), client()->width());
}

TEST_F(WindowLayoutTest, EveryLayoutChangeLeavesTheClientTheLayoutAsksFor) {
    const QSize large = client()->size();
    find<QMenu>("mnuOS")->actions()[1]->trigger();  // 設定読込: the small set
    const QSize small = client()->size();
    EXPECT_LT(small.width(), large.width());
    EXPECT_LT(small.height(), large.height());
    EXPECT_EQ(find("pnlC")->geometry().bottom() + 1, small.height()) << "no empty area below";

    QAction* menuBar = app.window().behaviours().menuBarAction();
    menuBar->trigger();
    EXPECT_EQ(client()->size(), small) << "the window gives up the menu bar's height";
    menuBar->trigger();
    EXPECT_EQ(client()->size(), small) << "and takes it back";
    EXPECT_EQ(window().height(), small.height() + window().menuBar()->sizeHint().height());
}

GlobalSettings BarsLeftToTheLayout() {
    GlobalSettings settings;
    settings.SetTable[kDefaultSetSlot].GXPos = -1;
    settings.SetTable[kDefaultSetSlot].GYPos = -1;
    return settings;
}

class GuideDefaultsTest : public WindowLayoutTest {
  protected:
    GuideDefaultsTest() : WindowLayoutTest(BarsLeftToTheLayout()) {}
};

TEST_F(GuideDefaultsTest, PositionsWorkedOutAtStartAreKeptInTheSet) {
    const auto* layer = find<GuideLayer>("imgGuide");
    const SettingsSet& set = app.calculator().currentSet();
    EXPECT_EQ(set.GXPos, layer->barLeft());
    EXPECT_EQ(set.GYPos, layer->barTop());
    EXPECT_EQ(set.GXPos, client()->width() / 4);
}

GlobalSettings Enormous() {
    GlobalSettings settings;
    SettingsSet& set = settings.SetTable[kDefaultSetSlot];
    set.GXPos = 30000;
    set.GYPos = 2147483647;
    set.GXWidth = 2147483647;
    set.GYWidth = 2147483600;
    set.GLXPitch = set.GLYPitch = 1;
    set.BoundsB[0] = "10000,10000,10000,10000";
    set.Disp = "B/" + std::string(40000, 'D');
    return settings;
}

class EnormousSizesTest : public WindowLayoutTest {
  protected:
    EnormousSizesTest() : WindowLayoutTest(Enormous()) {}
};

TEST_F(EnormousSizesTest, TheWindowKeepsToTheScreens) {
    const QSize screens = ScreensAvailableArea().size();
    EXPECT_LE(client()->width(), screens.width());
    EXPECT_LE(client()->height(), screens.height());
    EXPECT_LE(window().width(), screens.width());
    EXPECT_LE(window().height(), screens.height());
}

}  // namespace
}  // namespace tavrik::ui
