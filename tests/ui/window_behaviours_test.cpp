// The window's desktop behaviours driven through its menus: the menu-bar
// mirror, the frame kinds, staying in front, the tray and its fallback.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include "ui/menus/menu_captions.h"
#include "ui/window/about_box.h"
#include "ui/window/calculator_app.h"
#include "ui/window/status_bar.h"
#include "ui/window/window_behaviours.h"
#include "ui/window/window_frame.h"

namespace tavrik::ui {
namespace {

class WindowBehavioursTest : public ::testing::Test {
  protected:
    explicit WindowBehavioursTest(GlobalSettings settings = {}) : app(std::move(settings)) {
        window().show();
    }

    MainWindow& window() { return app.window(); }
    QAction* action(const char* name) {
        auto* found = window().findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    StatusBar* statusBar() { return window().findChild<StatusBar*>("stbMain"); }

    CalculatorApp app;
};

// The client area keeps what the menu bar gives up, and still holds the
// panels when the menu bar comes back.
TEST_F(WindowBehavioursTest, MenuBarAndPopupItemMirrorEachOther) {
    QWidget* client = window().centralWidget();
    const int clientHeight = client->height();
    action("mnuVMB")->trigger();
    EXPECT_FALSE(window().menuBar()->isVisible());
    EXPECT_FALSE(action("pmnMenu")->isChecked());
    EXPECT_GE(client->height(), clientHeight);

    action("pmnMenu")->trigger();
    EXPECT_TRUE(window().menuBar()->isVisible());
    EXPECT_TRUE(action("mnuVMB")->isChecked());
    EXPECT_GE(client->height(), clientHeight);
}

TEST_F(WindowBehavioursTest, HelpAndAboutSitInTheHelpMenu) {
    const auto* help = window().menuBar()->findChild<QMenu*>("mnuH");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->actions(), (QList<QAction*>{action("mnuHHelp"), action("mnuHAbout")}));
}

TEST_F(WindowBehavioursTest, StayingInFrontAddsAndRemovesTheStar) {
    QAction* topmost = action("mnuMTP");
    ASSERT_TRUE(topmost->isEnabled());
    topmost->trigger();
    EXPECT_TRUE(window().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(statusBar()->partText(StatusPart::TopmostMark), "★");

    topmost->trigger();
    EXPECT_FALSE(window().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(statusBar()->partText(StatusPart::TopmostMark), "");
}

TEST_F(WindowBehavioursTest, TitleBarSwitchesToTheToolFrameAndBack) {
    action("mnuVTB")->trigger();
    EXPECT_EQ(window().windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(window().isVisible());
    action("mnuVTB")->trigger();
    EXPECT_EQ(window().windowFlags() & Qt::WindowType_Mask, Qt::Window);
}

TEST(WindowFrameFlags, CaptionChoices) {
    struct Case {
        bool caption, normal, onTop;
        Qt::WindowFlags flags;
    };
    const Case cases[] = {
        {true, true, false, Qt::Window},
        {true, false, false, Qt::Tool},
        {false, true, false, Qt::Window | Qt::FramelessWindowHint},
        {false, false, false, Qt::Window | Qt::FramelessWindowHint},
        {true, false, true, Qt::Tool | Qt::WindowStaysOnTopHint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.caption << c.normal << c.onTop);
        EXPECT_EQ(WindowFrameFlags(c.caption, c.normal, c.onTop), c.flags);
    }
}

TEST(MenuCaptions, FollowTheMenuSetting) {
    GlobalSettings s;
    using Captions = std::array<std::string, 5>;
    EXPECT_EQ(MenuCaptions(s), (Captions{"操作", "モード", "表示", "関数", "ヘルプ"}));
    s.Menu = 1;
    EXPECT_EQ(MenuCaptions(s), (Captions{"Ope.", "Mode", "View", "Func.", "Help"}));
    s.Menu = 2;
    s.MenuO = "";
    s.MenuH = "?";
    EXPECT_EQ(MenuCaptions(s), (Captions{"", "モード", "表示", "関数", "?"}));
    s.Menu = 7;
    EXPECT_EQ(MenuCaptions(s)[0], "操作");
}

TEST(MenuCaptions, CarryAnAccessLetter) {
    struct Case {
        const char* caption;
        char letter;
        const char* title;
    };
    const Case cases[] = {
        {"操作", 'O', "操作(&O)"}, {"Ope.", 'O', "&Ope."},        {"Func.", 'F', "&Func."},
        {"計算", 'O', "計算(&O)"}, {"保存(&S)", 'O', "保存(&S)"}, {"", 'O', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithAccessLetter(c.caption, c.letter), QString::fromUtf8(c.title)) << c.caption;
}

GlobalSettings TrayResident() {
    GlobalSettings s;
    s.TPM = true;
    s.TSR = true;
    s.Menu = 1;
    return s;
}

class StartedInTrayTest : public WindowBehavioursTest {
  protected:
    StartedInTrayTest() : WindowBehavioursTest(TrayResident()) {}
};

// The offscreen desktop has no notification area: "常駐" says so and the
// window neither starts hidden nor hides into a tray on close.
TEST_F(StartedInTrayTest, WithoutATrayTheWindowStaysVisibleAndCloses) {
    QAction* tray = action("mnuMSR");
    EXPECT_FALSE(tray->isEnabled());
    EXPECT_EQ(tray->toolTip(), QString::fromUtf8(kNoTrayReason));
    EXPECT_FALSE(tray->isChecked());
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().close());
}

// Not asked for at start-up, the tray is looked for once the window is up.
TEST_F(WindowBehavioursTest, WithoutATrayResidencyIsDisabledOnceTheWindowIsUp) {
    QCoreApplication::processEvents();
    EXPECT_FALSE(action("mnuMSR")->isEnabled());
    EXPECT_EQ(action("mnuMSR")->toolTip(), QString::fromUtf8(kNoTrayReason));
}

TEST_F(StartedInTrayTest, StartsInFrontWithTheChosenCaptions) {
    EXPECT_TRUE(action("mnuMTP")->isChecked());
    EXPECT_EQ(statusBar()->partText(StatusPart::TopmostMark), "★");
    EXPECT_EQ(window().menuBar()->findChild<QMenu*>("mnuO")->title(), "&Ope.");
}

// With a tray, closing hides the window; the tray's "終了" ends it.
TEST(TrayResidency, CloseHidesUntilExitIsAskedFor) {
    QMainWindow window;
    DesktopCapabilities caps;
    caps.systemTray = true;
    auto* behaviours =
        new WindowBehaviours(window, caps, {[](bool) {}, [] {}, [](bool) {}, [](QSize) {}});
    behaviours->start(TrayResident());
    window.show();
    ASSERT_TRUE(behaviours->inTray());
    EXPECT_FALSE(behaviours->acceptClose());
    EXPECT_FALSE(window.isVisible());

    ASSERT_NE(behaviours->trayMenu(), nullptr);
    behaviours->trayMenu()->findChild<QAction*>("tmnShow")->trigger();
    EXPECT_TRUE(window.isVisible());
    auto* exit = behaviours->trayMenu()->findChild<QAction*>("tmnExit");
    ASSERT_NE(exit, nullptr);
    exit->trigger();  // asks the window to close, which only hides it
    EXPECT_TRUE(behaviours->acceptClose());
    EXPECT_FALSE(behaviours->inTray());
}

TEST(DesktopLimits, CommandsTheDesktopCannotDoAreDisabledWithTheReason) {
    QMainWindow window;
    DesktopCapabilities caps;
    caps.stayOnTop = false;
    caps.opacity = false;
    caps.compositor = false;
    WindowBehaviours behaviours(window, caps, {[](bool) {}, [] {}, [](bool) {}, [](QSize) {}});
    EXPECT_FALSE(behaviours.topmostAction()->isEnabled());
    EXPECT_EQ(behaviours.topmostAction()->toolTip(), QString::fromUtf8(kNoStayOnTopReason));
    EXPECT_FALSE(behaviours.transparencyAction()->isEnabled());
    EXPECT_EQ(behaviours.transparencyAction()->toolTip(), QString::fromUtf8(kNoCompositorReason));
}

// The About box carries the build's one version under a Japanese title.
TEST(AboutBoxTest, ShowsTheBuildsVersionUnderAJapaneseTitle) {
    AboutBox box(nullptr);
    EXPECT_EQ(box.windowTitle(), "バージョン情報");
    EXPECT_EQ(box.findChild<QLabel*>("stxVersion")->text(),
              QStringLiteral("Version ") + QStringLiteral(TAVRIK_VERSION));
}

// The box is as wide as its title needs and can be neither minimised nor maximised.
TEST(AboutBoxTest, IsSizedForItsTitleWithOnlyACloseButton) {
    AboutBox box(nullptr);
    box.show();
    EXPECT_GT(box.width(), 2 * box.fontMetrics().horizontalAdvance(box.windowTitle()));
    EXPECT_TRUE(box.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

// The tray's "About" shows the box alone; a hidden window stays hidden.
TEST(TrayResidency, AboutLeavesTheHiddenWindowHidden) {
    QMainWindow window;
    DesktopCapabilities caps;
    caps.systemTray = true;
    auto* behaviours =
        new WindowBehaviours(window, caps, {[](bool) {}, [] {}, [](bool) {}, [](QSize) {}});
    behaviours->start(TrayResident());
    window.show();
    ASSERT_FALSE(behaviours->acceptClose());
    bool shownWithTheBox = true;
    QTimer::singleShot(0, &window, [&] {
        shownWithTheBox = window.isVisible();
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    behaviours->trayMenu()->findChild<QAction*>("tmnAbout")->trigger();
    EXPECT_FALSE(shownWithTheBox);
    EXPECT_FALSE(window.isVisible());
}

// Without a compositing manager "透過" is disabled with the reason, and it
// comes back when one starts.
TEST(DesktopLimits, TransparencyFollowsTheCompositor) {
    QMainWindow window;
    DesktopCapabilities caps;
    caps.compositor = false;
    WindowBehaviours behaviours(window, caps, {[](bool) {}, [] {}, [](bool) {}, [](QSize) {}});
    bool running = false;
    behaviours.setCompositorProbe([&running] { return running; });
    QAction* transparency = behaviours.transparencyAction();
    EXPECT_FALSE(transparency->isEnabled());
    EXPECT_EQ(transparency->toolTip(), QString::fromUtf8(kNoCompositorReason));

    running = true;
    behaviours.checkCompositor();
    EXPECT_TRUE(transparency->isEnabled());
    EXPECT_NE(transparency->toolTip(), QString::fromUtf8(kNoCompositorReason));
    running = false;
    behaviours.checkCompositor();
    EXPECT_FALSE(transparency->isEnabled());
}

}  // namespace
}  // namespace tavrik::ui
