// The set's zoom, the keys and the wheel that change it, captions that fit
// their keys, and the 万・億 reading under the display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "settings/key_codes.h"
#include "ui/panels/button_panel.h"
#include "ui/panels/key_button.h"
#include "ui/panels/zoom_control.h"
#include "ui/window/calculator_app.h"
#include "ui/window/status_bar.h"

namespace tavrik::ui {
namespace {

// Every panel, without the status bar, whose height does not zoom.
GlobalSettings AtZoom(int percent) {
    GlobalSettings settings;
    SettingsSet& set = settings.SetTable[kDefaultSetSlot];
    set.SBA = "TF";
    set.Zoom = percent;
    return settings;
}

// The controls the layout places, each within its parent.
std::vector<const QWidget*> PlacedControls(const MainWindow& window) {
    std::vector<const QWidget*> controls;
    // The history list is left out: it reaches down to the window's bottom.
    for (const char* name : {"pnlC", "stxC", "pnlB", "pnlBB", "pnlM", "btnM0I", "stxM0", "btnM3O",
                             "pnlS", "btnHC", "cbxHC", "sbtHE", "pnlF"})
        controls.push_back(window.findChild<QWidget*>(name));
    for (int tag = 1; tag <= 35; ++tag)
        controls.push_back(window.findChild<QWidget*>(ButtonPanel::KeyName(tag)));
    return controls;
}

TEST(ZoomTest, ZoomedLayoutIsTheFullSizeLayoutScaledWithinOnePixel) {
    CalculatorApp full(AtZoom(100));
    const std::vector<const QWidget*> reference = PlacedControls(full.window());
    for (int percent : {100, 150, 200}) {
        SCOPED_TRACE(percent);
        CalculatorApp zoomed(AtZoom(percent));
        const std::vector<const QWidget*> controls = PlacedControls(zoomed.window());
        const double factor = percent / 100.0;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            ASSERT_TRUE(controls[i] && reference[i]) << i;
            SCOPED_TRACE(controls[i]->objectName().toStdString());
            const QRect want = reference[i]->geometry();
            const QRect got = controls[i]->geometry();
            EXPECT_NEAR(got.left(), want.left() * factor, 1.0);
            EXPECT_NEAR(got.top(), want.top() * factor, 1.0);
            EXPECT_NEAR(got.width(), want.width() * factor, 1.0);
            EXPECT_NEAR(got.height(), want.height() * factor, 1.0);
        }
        EXPECT_NEAR(zoomed.window().centralWidget()->width(),
                    full.window().centralWidget()->width() * factor, 1.0);
    }
}

TEST(ZoomTest, ZoomStepsStayWithinRangeAndFitTheWindow) {
    EXPECT_EQ(SteppedZoom(100, 1), 110);
    EXPECT_EQ(SteppedZoom(55, -1), 50);
    EXPECT_EQ(SteppedZoom(395, 1), 400);
    EXPECT_EQ(SteppedZoom(1000, -1), 390);
    EXPECT_EQ(FittingZoom({400, 300}, {200, 100}), 200);  // the height has room to spare
    EXPECT_EQ(FittingZoom({300, 500}, {200, 100}), 150);
    EXPECT_EQ(FittingZoom({50, 50}, {200, 100}), 50);
    EXPECT_EQ(FittingZoom({200, 100}, {0, 0}), 100);
    EXPECT_EQ(ShrunkZoom(200, {400, 300}, {300, 300}), 150);
    EXPECT_EQ(ShrunkZoom(200, {400, 300}, {400, 300}), 200);
    EXPECT_EQ(ShrunkZoom(200, {400, 300}, {0, 0}), 200);
}

// Every panel the default set shows lies whole inside the window.
void ExpectPanelsInside(const MainWindow& window) {
    for (const char* name : {"pnlC", "pnlB", "pnlM", "pnlS", "pnlF"}) {
        const QWidget* panel = window.findChild<QWidget*>(name);
        const QRect placed(panel->mapTo(&window, QPoint(0, 0)), panel->size());
        EXPECT_TRUE(window.rect().contains(placed)) << name << " cut off";
    }
}

// Room smaller than the layout, left by the screens or by the window
// manager, lays it out at the zoom that fits; the set keeps its own zoom.
TEST(ZoomTest, RoomSmallerThanTheLayoutShrinksTheZoomToFit) {
    CalculatorApp app(AtZoom(400));
    MainWindow& window = app.window();
    window.show();
    EXPECT_LT(window.zoom(), 400);
    ExpectPanelsInside(window);

    const int zoom = window.zoom();
    window.windowHandle()->resize(window.size() * 3 / 4);
    QTest::qWait(0);
    EXPECT_LT(window.zoom(), zoom);
    ExpectPanelsInside(window);
    EXPECT_EQ(app.calculator().currentSet().Zoom, 400);
}

class ZoomWindowTest : public ::testing::Test {
  protected:
    explicit ZoomWindowTest(GlobalSettings settings = AtZoom(100)) : app(std::move(settings)) {
        window().show();
    }
    MainWindow& window() { return app.window(); }
    QWidget* find(const char* name) { return window().findChild<QWidget*>(name); }
    CalculatorApp app;
};

TEST_F(ZoomWindowTest, CtrlPlusMinusAndTheWheelZoomAndTheWindowFollows) {
    const int width = window().centralWidget()->width();
    QTest::keyClick(&window(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window().zoom(), 110);
    QTest::keyClick(&window(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(window().zoom(), 120);
    EXPECT_NEAR(window().centralWidget()->width(), width * 1.2, 1.0);
    QTest::keyClick(&window(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window().zoom(), 110);
    EXPECT_EQ(app.calculator().currentSet().Zoom, 110);
    EXPECT_TRUE(window().zoomChanged());

    // Over a key, which would take the wheel itself.
    QWidget* key = find("btnN5");
    const QPoint at = key->rect().center();
    QWheelEvent up(at, key->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(key, &up);
    EXPECT_EQ(window().zoom(), 120);
    QWheelEvent plain(at, key->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(key, &plain);
    EXPECT_EQ(window().zoom(), 120);
    // The keys still calculate, and the display was not touched by the zoom keys.
    EXPECT_EQ(window().findChild<QLabel*>("stxC")->text(), "0");
}

// Ctrl+0 goes back to 100 %, and the status bar shows each new zoom a while.
TEST_F(ZoomWindowTest, CtrlZeroResetsTheZoomAndTheStatusBarShowsIt) {
    QTest::keyClick(&window(), Qt::Key_Plus, Qt::ControlModifier);
    auto* status = window().findChild<StatusBar*>("stbMain");
    EXPECT_EQ(status->partText(StatusPart::Message), "ズーム 110%");
    QTest::keyClick(&window(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window().zoom(), 100);
    EXPECT_EQ(status->partText(StatusPart::Message), "ズーム 100%");
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->partText(StatusPart::Message).isEmpty(); }));
    EXPECT_EQ(window().findChild<QLabel*>("stxC")->text(), "0") << "the calculator saw no key";
}

// No zoom cuts a key: each lies inside the key area, and that inside its panel.
TEST_F(ZoomWindowTest, KeysStayWholeAtEveryZoom) {
    QWidget* area = find("pnlBB");
    QWidget* panel = find("pnlB");
    for (int percent = kZoomRange.min; percent <= kZoomRange.max; ++percent) {
        window().setZoom(percent);
        SCOPED_TRACE(percent);
        EXPECT_TRUE(panel->rect().contains(area->geometry()));
        for (int tag = 1; tag <= 35; ++tag) {
            const QWidget* key = window().findChild<QWidget*>(ButtonPanel::KeyName(tag));
            ASSERT_TRUE(area->rect().contains(key->geometry())) << tag;
        }
    }
}

GlobalSettings WithCtrlPlusAssigned() {
    GlobalSettings settings = AtZoom(100);
    settings.Keys[kCtrlKeyOffset + 187] = "++++";
    return settings;
}

class AssignedZoomKeyTest : public ZoomWindowTest {
  protected:
    AssignedZoomKeyTest() : ZoomWindowTest(WithCtrlPlusAssigned()) {}
};

TEST_F(AssignedZoomKeyTest, AKeyTableEntryKeepsCtrlPlusForTheCalculator) {
    QTest::keyClick(&window(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window().zoom(), 100);
    QTest::keyClick(&window(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window().zoom(), 90);
}

GlobalSettings FittingTheWindow() {
    GlobalSettings settings = AtZoom(100);
    settings.SetTable[kDefaultSetSlot].ZoomFit = true;
    return settings;
}

class FitZoomTest : public ZoomWindowTest {
  protected:
    FitZoomTest() : ZoomWindowTest(FittingTheWindow()) {}
};

TEST_F(FitZoomTest, ResizingTheWindowZoomsKeepingTheProportions) {
    const QSize natural = window().centralWidget()->size();
    window().resize(window().size() + natural);
    QCoreApplication::processEvents();
    EXPECT_EQ(window().zoom(), 200);
    window().resize(window().width() - natural.width() / 2, window().height());
    QCoreApplication::processEvents();
    EXPECT_EQ(window().zoom(), 150);
    EXPECT_EQ(app.calculator().currentSet().Zoom, 150);
}

TEST(KeyCaptionTest, ACaptionIsShrunkThenElidedButNeverWiderThanTheKey) {
    KeyButton key;
    QFont font = key.font();
    font.setPointSize(12);
    key.setKeyFont(font);
    key.resize(48, 30);
    key.show();
    for (const QString& caption :
         {QStringLiteral("7"), QStringLiteral("税込"), QStringLiteral("in→cm"),
          QStringLiteral("とても長い関数の名前")}) {
        SCOPED_TRACE(caption.toStdString());
        key.setCaption(caption);
        EXPECT_EQ(key.fullCaption(), caption);
        EXPECT_LE(QFontMetrics(key.font()).horizontalAdvance(key.text()), key.captionRoom());
        EXPECT_GE(key.font().pointSizeF(), KeyButton::kMinimumCaptionPoints);
    }
    key.setCaption(QStringLiteral("7"));
    EXPECT_EQ(key.text(), "7");
    EXPECT_EQ(key.font().pointSizeF(), 12.0);
    key.setCaption(QStringLiteral("とても長い関数の名前"));
    EXPECT_TRUE(key.text().endsWith(QChar(0x2026))) << key.text().toStdString();
    // Grown, the key shows more of it again.
    const int shown = key.text().size();
    key.resize(200, 30);
    EXPECT_GT(key.text().size(), shown);
}

TEST(KeyCaptionTest, EveryKeyOfASmallWindowShowsItsCaptionWithinTheKey) {
    GlobalSettings settings = AtZoom(50);
    settings.FT[9] = "in→cm";  // f109, the first function key's title
    settings.F[0] = 109;
    CalculatorApp app(std::move(settings));
    app.window().show();
    for (int tag = 1; tag <= 35; ++tag) {
        const auto* key = app.window().findChild<KeyButton*>(ButtonPanel::KeyName(tag));
        ASSERT_NE(key, nullptr);
        SCOPED_TRACE(key->fullCaption().toStdString());
        EXPECT_LE(QFontMetrics(key->font()).horizontalAdvance(key->text()), key->captionRoom());
    }
    EXPECT_EQ(app.window().findChild<KeyButton*>("btnNA")->fullCaption(), "in→cm");
}

GlobalSettings WithReading() {
    GlobalSettings settings = AtZoom(100);
    settings.SetTable[kDefaultSetSlot].ManOku = true;
    return settings;
}

class ReadingTest : public ZoomWindowTest {
  protected:
    ReadingTest() : ZoomWindowTest(WithReading()) {}
    void click(std::string_view keys) {
        for (char c : keys)
            QTest::mouseClick(find(ButtonPanel::KeyName(CodeOfKeyChar(c))), Qt::LeftButton);
    }
    QString text(const char* name) { return window().findChild<QLabel*>(name)->text(); }
};

TEST_F(ReadingTest, TheReadingIsShownUnderTheDisplayWhichStaysAPlainNumber) {
    click("123456789");
    EXPECT_EQ(text("stxC"), "123456789");
    EXPECT_EQ(text("stxCReading"), "1億2345万6789");
    click("Z12");
    EXPECT_EQ(text("stxCReading"), "");
}

GlobalSettings InButtonFace() {
    GlobalSettings settings = AtZoom(100);
    settings.SetTable[kDefaultSetSlot].ColorB = SystemColor(15);  // clBtnFace
    return settings;
}

class PaletteTest : public ZoomWindowTest {
  protected:
    PaletteTest() : ZoomWindowTest(InButtonFace()) {}
    ~PaletteTest() override { QApplication::setPalette(light); }
    QColor keyPanelColour() { return find("pnlB")->palette().color(QPalette::Window); }
    const QPalette light = QApplication::palette();
};

TEST_F(PaletteTest, SystemColoursFollowTheDesktopPaletteWhenItTurnsDark) {
    EXPECT_EQ(keyPanelColour(), light.color(QPalette::Active, QPalette::Button));
    QPalette dark = light;
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x34));
    QApplication::setPalette(dark);
    EXPECT_EQ(keyPanelColour(), QColor(0x30, 0x30, 0x34));
}

}  // namespace
}  // namespace tavrik::ui
