// The main window driven as a user drives it: clicks on keys, keyboard keys
// and the "操作" menu, read back from the display and the status bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "settings/key_codes.h"
#include "ui/panels/button_panel.h"
#include "ui/platform/panel_font.h"
#include "ui/qt_print_to.h"
#include "ui/window/calculator_app.h"
#include "ui/window/status_bar.h"

namespace tavrik::ui {
namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : app(GlobalSettings{}) { window().show(); }

    MainWindow& window() { return app.window(); }
    const SettingsSet& set() { return app.calculator().currentSet(); }

    QPushButton* key(const char* name) {
        auto* button = window().findChild<QPushButton*>(name);
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    // Clicks the keys named by the characters of `keys` in the key code string.
    void click(std::string_view keys) {
        for (char c : keys) {
            const int tag = CodeOfKeyChar(c);
            ASSERT_GT(tag, 0) << c;
            QPushButton* button = key(ButtonPanel::KeyName(tag));
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    QString display() { return window().findChild<QLabel*>("stxC")->text(); }
    QLabel* strip() { return window().findChild<QLabel*>("stxMsg"); }
    StatusBar* statusBar() { return window().findChild<StatusBar*>("stbMain"); }

    CalculatorApp app;
};

TEST_F(MainWindowTest, StartsClearedUnderItsTitle) {
    EXPECT_EQ(window().windowTitle(), "Tavrik");
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(statusBar()->partText(StatusPart::Mode), "10進");
    EXPECT_FALSE(strip()->isVisible());
}

TEST_F(MainWindowTest, ClickedKeysCalculate) {
    click("12+3=");
    EXPECT_EQ(display(), "15");
    click("*2=");
    EXPECT_EQ(display(), "30");
}

TEST_F(MainWindowTest, KeyClickSendsTheKeysCurrentCode) {
    // Key 34 carries the tax-out face in decimal mode.
    EXPECT_EQ(key("btnTO")->text(), "税抜");
    EXPECT_EQ(key("btnTI")->text(), "税込");
    EXPECT_EQ(key("btnAC")->text(), "AC");
    EXPECT_EQ(key("btnNT")->text(), "000");
    click("1T");
    EXPECT_EQ(display(), "1000");
}

TEST_F(MainWindowTest, KeyboardDigitsTypeThroughTheKeyTable) {
    QTest::keyClick(&window(), Qt::Key_7);
    QTest::keyClick(&window(), Qt::Key_4);
    EXPECT_EQ(display(), "74");
}

TEST_F(MainWindowTest, MenuAllClearClears) {
    click("123+4");
    auto* allClear = window().findChild<QAction*>("mnuOAC");
    ASSERT_NE(allClear, nullptr);
    EXPECT_EQ(allClear->text(), "AC");
    allClear->trigger();
    EXPECT_EQ(display(), "0");
    click("=");
    EXPECT_EQ(display(), "0");
}

TEST_F(MainWindowTest, ModeMenuSwitchesModesAndShowsTheirKeys) {
    auto* decimal = window().findChild<QAction*>("mnuMD");
    auto* mixed = window().findChild<QAction*>("mnuMH");
    ASSERT_NE(mixed, nullptr);
    EXPECT_TRUE(decimal->isChecked());
    mixed->trigger();
    EXPECT_TRUE(mixed->isChecked());
    EXPECT_FALSE(decimal->isChecked());
    EXPECT_EQ(display(), "d 0");
    EXPECT_EQ(statusBar()->partText(StatusPart::Mode), "混合");
    EXPECT_EQ(key("btnTI")->text(), "#d");
    EXPECT_TRUE(key("btnTI")->font().underline());
    EXPECT_FALSE(key("btnNP")->isEnabled()) << "no decimal point in mixed mode";
    window().findChild<QAction*>("mnuMT")->trigger();
    EXPECT_EQ(key("btnNF")->text(), "秒");
    EXPECT_EQ(key("btnMA")->text(), "M>");
    EXPECT_EQ(key("btnCB")->toolTip(), "Cb — 表示をコピー");
    EXPECT_EQ(key("btnCB")->accessibleDescription(), "Cb — 表示をコピー");
    EXPECT_TRUE(key("btnTO")->toolTip().startsWith("変換 — 単位を繰り上げて"));
}

// The memory and history controls say what they do, to the eye and the ear alike.
TEST_F(MainWindowTest, MemoryAndHistoryControlsSayWhatTheyDo) {
    for (const char* name :
         {"btnM0I", "btnM3O", "stxM1", "btnHC", "btnHD", "btnHR", "cbxHC", "sbtHE"}) {
        auto* control = window().findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->toolTip().isEmpty()) << name;
        EXPECT_EQ(control->accessibleDescription(), control->toolTip()) << name;
    }
    EXPECT_EQ(window().findChild<QWidget*>("cbxHC")->toolTip(), "実行の後、次の行に移る");
    EXPECT_EQ(window().findChild<QWidget*>("btnM3O")->toolTip(), "メモリー4の値を表示窓に呼び出す");
}

TEST_F(MainWindowTest, GroupingCommandGroupsDigits) {
    auto* grouping = window().findChild<QAction*>("mnuMKK3");
    ASSERT_NE(grouping, nullptr);
    EXPECT_FALSE(grouping->isChecked());
    grouping->trigger();
    click("1234567");
    EXPECT_EQ(display(), "1,234,567");
}

TEST(FunctionMenuWindowTest, FunctionMenuFillsTheKeysInDecimalModeOnly) {
    GlobalSettings settings;
    settings.F[0] = 101;          // group 1, key A
    settings.F[6 * 3 + 1] = 102;  // group 4, key B
    settings.FName[3] = "べき";
    CalculatorApp app(std::move(settings));
    auto* functions = app.window().findChild<QMenu*>("mnuF");
    ASSERT_NE(functions, nullptr);
    ASSERT_EQ(functions->actions().size(), 2);
    EXPECT_EQ(functions->actions()[1]->text(), "べき");
    EXPECT_TRUE(functions->actions()[0]->isChecked());
    functions->actions()[1]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* keyB = app.window().findChild<QPushButton*>("btnNB");
    EXPECT_EQ(keyB->text(), "f102");
    // The tooltip and the accessible description tell the caption and the function.
    EXPECT_EQ(keyB->toolTip(), "f102 — 2乗: x の2乗 x²");
    EXPECT_EQ(keyB->accessibleDescription(), keyB->toolTip());
    EXPECT_TRUE(functions->actions()[1]->isChecked());
    app.window().findChild<QAction*>("mnuMH")->trigger();
    EXPECT_FALSE(functions->menuAction()->isVisible());
    EXPECT_EQ(keyB->text(), "B");
}

TEST(HostileSettingsTest, OutOfRangeSizesLayOutWithoutOverflow) {
    GlobalSettings settings;
    SettingsSet& set = settings.SetTable[kDefaultSetSlot];
    set.DigitsD = 2147483647;
    set.Pitch = 2147483647;
    set.DigitsB = -2147483647;
    set.PitchB = 2147483647;
    set.FontSizeD = 2147483647;
    CalculatorApp app(std::move(settings));
    app.window().show();
    EXPECT_EQ(app.window().findChild<QLabel*>("stxC")->text(), "0");

    GlobalSettings custom;
    custom.SetTable[kDefaultSetSlot].BoundsB[2] = "2147483647,2147483647,2147483647,2147483647";
    CalculatorApp placed(std::move(custom));
    placed.window().show();
    EXPECT_TRUE(placed.window().findChild<QPushButton*>("btnN1")->isEnabled());
}

TEST_F(MainWindowTest, OperationMenuHoldsExit) {
    auto* exit = window().findChild<QAction*>("mnuOExit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), "終了");
    exit->trigger();
    EXPECT_FALSE(window().isVisible());
}

TEST_F(MainWindowTest, DivisionByZeroShowsTheRedStripUntilTheNextDigit) {
    click("1/0=");
    ASSERT_TRUE(strip()->isVisible());
    EXPECT_EQ(strip()->text(), "０除算エラー");
    EXPECT_TRUE(strip()->font().bold());
    EXPECT_EQ(strip()->palette().color(QPalette::WindowText), QColor(Qt::red));
    click("5");
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_EQ(display(), "5");
}

TEST_F(MainWindowTest, ErrorStripCoversThePreviousMessage) {
    click("12+3=/0=");
    ASSERT_TRUE(strip()->isVisible());
    EXPECT_EQ(statusBar()->childAt(strip()->geometry().center()), strip());
}

// A message longer than its part ends in "…" and shows whole as the tooltip;
// a hint goes with the next key.
TEST_F(MainWindowTest, LongHintEndsInAnEllipsisAndGoesWithTheNextKey) {
    const QString hint = QStringLiteral(
        "累乗・平方根・関数は式パネルでは計算できません。関数キー（A〜F）をお使いください");
    window().findChild<QPlainTextEdit*>("memF")->setPlainText(QStringLiteral("2^3"));
    QTest::mouseClick(key("btnFR"), Qt::LeftButton);
    QLabel* part = nullptr;
    for (auto* label : statusBar()->findChildren<QLabel*>())
        if (label->accessibleName().startsWith(QStringLiteral("メッセージ"))) part = label;
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(statusBar()->partText(StatusPart::Message), hint);
    EXPECT_TRUE(part->text().endsWith(QStringLiteral("…"))) << part->text().toStdString();
    EXPECT_EQ(part->toolTip(), hint);
    click("5");
    EXPECT_TRUE(part->text().isEmpty());
}

// Each part has room for its text, the parts share the bar's width, and the
// message strip stays inside the message part.
TEST_F(MainWindowTest, StatusBarPartsHoldTheirTextsAndTheStripItsPart) {
    const QFontMetrics metrics(statusBar()->font());
    int total = 0;
    for (int index = 0; index < kStatusPartCount; ++index) {
        const auto part = static_cast<StatusPart>(index);
        SCOPED_TRACE(index);
        EXPECT_GT(statusBar()->partWidth(part),
                  metrics.horizontalAdvance(statusBar()->partText(part)));
        total += statusBar()->partWidth(part);
    }
    EXPECT_EQ(total, statusBar()->width());

    click("1/0=");
    const QRect strip = this->strip()->geometry();
    const int partLeft =
        statusBar()->partWidth(StatusPart::TopmostMark) + statusBar()->partWidth(StatusPart::Mode);
    EXPECT_GT(strip.width(), 0);
    EXPECT_GE(strip.left(), partLeft);
    EXPECT_LE(strip.left() + strip.width(), partLeft + statusBar()->partWidth(StatusPart::Message));
}

TEST_F(MainWindowTest, StatusBarOnTopThenDisplayThenKeys) {
    auto* display = window().findChild<QWidget*>("pnlC");
    auto* buttons = window().findChild<QWidget*>("pnlB");
    ASSERT_NE(display, nullptr);
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(statusBar()->y(), 0);
    EXPECT_EQ(display->y(), statusBar()->height());
    EXPECT_EQ(buttons->y(), display->geometry().bottom() + 1);
    EXPECT_EQ(buttons->x(), 0);
    EXPECT_EQ(buttons->width(), display->width());
}

// A window laid out from the default set with another `DigitsD`.
class DisplayDigitsTest : public ::testing::Test {
  protected:
    static GlobalSettings WithDigits(int digits) {
        GlobalSettings settings;
        settings.SetTable[kDefaultSetSlot].DigitsD = digits;
        return settings;
    }
    static int DigitWidth(const QLabel& text) {
        return QFontMetrics(text.font()).horizontalAdvance("8");
    }
};

TEST_F(DisplayDigitsTest, WideDisplayCountsDigitsPlusTwo) {
    CalculatorApp app(WithDigits(30));
    auto* text = app.window().findChild<QLabel*>("stxC");
    const int pitch = app.calculator().currentSet().Pitch;
    EXPECT_EQ(text->width(), 32 * DigitWidth(*text));
    EXPECT_EQ(text->height(), QFontMetrics(text->font()).height() + 2);
    EXPECT_EQ(text->pos(), QPoint(pitch, pitch));
    EXPECT_TRUE(text->alignment() & Qt::AlignRight);

    const DisplayGeometry& geometry = app.calculator().values().rules.geometry;
    EXPECT_EQ(geometry.displayWidth, text->width());
    EXPECT_EQ(geometry.digitWidth, DigitWidth(*text));
    EXPECT_EQ(geometry.hexWidth, 16);
    // The narrower key panel is widened to the display and centres its keys.
    auto* buttons = app.window().findChild<QWidget*>("pnlB");
    auto* keys = app.window().findChild<QWidget*>("pnlBB");
    EXPECT_EQ(buttons->width(), text->width() + 2 * pitch);
    EXPECT_NEAR(keys->x(), (buttons->width() - keys->width()) / 2, 1);
}

TEST_F(DisplayDigitsTest, FewDigitsCountAsTenAndTheDisplayWidensToTheKeys) {
    CalculatorApp app(WithDigits(5));
    auto* text = app.window().findChild<QLabel*>("stxC");
    auto* display = app.window().findChild<QWidget*>("pnlC");
    auto* buttons = app.window().findChild<QWidget*>("pnlB");
    const int pitch = app.calculator().currentSet().Pitch;
    ASSERT_GT(buttons->width(), 12 * DigitWidth(*text) + 2 * pitch);
    EXPECT_EQ(display->width(), buttons->width());
    EXPECT_EQ(text->width(), display->width() - 2 * pitch);

    const DisplayGeometry& geometry = app.calculator().values().rules.geometry;
    EXPECT_EQ(geometry.displayWidth, text->width());
    EXPECT_EQ(geometry.hexWidth, 8);
}

TEST_F(DisplayDigitsTest, NoDigitsMakesAStripAcrossTheTop) {
    CalculatorApp app(WithDigits(0));
    auto* display = app.window().findChild<QWidget*>("pnlC");
    auto* buttons = app.window().findChild<QWidget*>("pnlB");
    auto* status = app.window().findChild<QWidget*>("stbMain");
    EXPECT_EQ(display->pos(), QPoint(0, status->height()));
    EXPECT_EQ(buttons->y(), display->geometry().bottom() + 1);
    // The strip spans every column.
    EXPECT_EQ(display->width(), display->parentWidget()->width());
}

// The on-screen keys of the default set fill their panel without overlapping.
TEST_F(MainWindowTest, KeysTileTheirPanelWithoutOverlap) {
    auto* inner = window().findChild<QWidget*>("pnlBB");
    ASSERT_NE(inner, nullptr);
    QRect covered;
    for (int a = 1; a <= kOnScreenKeys; ++a) {
        SCOPED_TRACE(ButtonPanel::KeyName(a));
        const QRect rect = key(ButtonPanel::KeyName(a))->geometry();
        EXPECT_FALSE(rect.isEmpty());
        EXPECT_TRUE(inner->rect().contains(rect));
        for (int b = a + 1; b <= kOnScreenKeys; ++b)
            EXPECT_FALSE(rect.intersects(key(ButtonPanel::KeyName(b))->geometry()))
                << ButtonPanel::KeyName(b);
        covered |= rect;
    }
    EXPECT_EQ(covered, inner->rect()) << "the panel has no margin beyond its keys";
}

TEST(KeyTableTest, KeypadAndEnterKeysFollowTheKeyTable) {
    GlobalSettings settings;
    settings.Keys[107] = "++++";  // keypad +
    settings.Keys[13] = "====";   // Enter
    CalculatorApp app(std::move(settings));
    QTest::keyClick(&app.window(), Qt::Key_1);
    QTest::keyClick(&app.window(), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(&app.window(), Qt::Key_2);
    QTest::keyClick(&app.window(), Qt::Key_Return);
    EXPECT_EQ(app.window().findChild<QLabel*>("stxC")->text(), "3");
}

// Ctrl+V and Shift+Insert as the starter file assigns them, and the menu items.
TEST(PasteWindowTest, KeysAndMenuItemsPasteAndCopyPlainNumbers) {
    GlobalSettings settings;
    settings.Keys[kCtrlKeyOffset + 86] = "QQQQ";
    settings.Keys[kShiftKeyOffset + 45] = "QQQQ";
    CalculatorApp app(std::move(settings));
    MainWindow& window = app.window();
    window.show();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto display = [&] { return window.findChild<QLabel*>("stxC")->text(); };

    clipboard->setText(QStringLiteral("１，２３４円\n"));
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(display(), "1234");
    clipboard->setText(QStringLiteral("5e2"));
    QTest::keyClick(&window, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(display(), "500");
    clipboard->setText(QString(1 << 20, QLatin1Char('9')));
    window.findChild<QAction*>("mnuOPaste")->trigger();
    EXPECT_EQ(display(), "500");
    EXPECT_EQ(window.findChild<QLabel*>("stxMsg")->text(), "貼り付ける文字列が長すぎます");

    app.calculator().setGrouping(true);
    clipboard->setText(QStringLiteral("1234567"));
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(display(), "1,234,567");
    window.findChild<QAction*>("mnuOCopyNumber")->trigger();
    EXPECT_EQ(clipboard->text(), "1234567");

    app.calculator().PushBBtn(kAdd);
    app.calculator().selectHistoryLine(0);
    QAction* copyLine = window.findChild<QAction*>("pmnHCopy");
    ASSERT_NE(copyLine, nullptr);
    EXPECT_EQ(copyLine->text(), "式をコピー");
    copyLine->trigger();
    EXPECT_EQ(clipboard->text(), "1,234,567");
}

TEST(HiddenStatusBarTest, PanelsStartAtTheTopWhenTheSetHidesTheStatusBar) {
    GlobalSettings settings;
    settings.SetTable[kDefaultSetSlot].SBA = "TF";
    CalculatorApp app(std::move(settings));
    app.window().show();
    EXPECT_FALSE(app.window().findChild<QWidget*>("stbMain")->isVisible());
    EXPECT_EQ(app.window().findChild<QWidget*>("pnlC")->pos(), QPoint(0, 0));
}

TEST(PanelPresenceTest, LowerCaseLetterBuildsThePanelHidden) {
    GlobalSettings settings;
    settings.SetTable[kDefaultSetSlot].Disp = "dB";
    CalculatorApp app(std::move(settings));
    app.window().show();
    auto* display = app.window().findChild<QWidget*>("pnlC");
    ASSERT_NE(display, nullptr);
    EXPECT_FALSE(display->isVisible());
    auto* status = app.window().findChild<QWidget*>("stbMain");
    EXPECT_EQ(app.window().findChild<QWidget*>("pnlB")->pos(), QPoint(0, status->height()));
}

TEST(PanelPresenceTest, AbsentLetterBuildsNoPanel) {
    GlobalSettings settings;
    settings.SetTable[kDefaultSetSlot].Disp = "B";
    CalculatorApp app(std::move(settings));
    EXPECT_EQ(app.window().findChild<QWidget*>("pnlC"), nullptr);
    EXPECT_NE(app.window().findChild<QWidget*>("pnlB"), nullptr);
}

TEST(CustomKeyPlacementTest, KeysWithoutAnEntryAreHiddenAndStayDisabled) {
    GlobalSettings settings;
    settings.SetTable[kDefaultSetSlot].BoundsB[2] = "4,6,50,30,clRed";  // key "1"
    CalculatorApp app(std::move(settings));
    app.window().show();
    auto* one = app.window().findChild<QPushButton*>("btnN1");
    auto* two = app.window().findChild<QPushButton*>("btnN2");
    EXPECT_TRUE(one->isVisible());
    EXPECT_EQ(one->geometry(), QRect(4, 6, 50, 30));
    EXPECT_EQ(one->palette().color(QPalette::ButtonText), QColor(Qt::red));
    EXPECT_FALSE(two->isVisible());
    EXPECT_FALSE(two->isEnabled());
    const int pitch = app.calculator().currentSet().Pitch;
    EXPECT_EQ(app.window().findChild<QWidget*>("pnlBB")->size(), QSize(54 + pitch, 36 + pitch));
    // A mode face refresh does not bring the hidden keys back.
    app.window().findChild<QAction*>("mnuOAC")->trigger();
    app.window().refresh(kKeypadChanged);
    EXPECT_FALSE(two->isEnabled());
    QTest::mouseClick(one, Qt::LeftButton);
    EXPECT_EQ(app.window().findChild<QLabel*>("stxC")->text(), "1");
}

TEST_F(MainWindowTest, JapaneseFontStandsInForAMissingFace) {
    const QFontInfo info(key("btnTI")->font());
    EXPECT_EQ(info.family(), JapaneseFallbackFamily());
    EXPECT_EQ(info.pointSize(), 9);
}

}  // namespace
}  // namespace tavrik::ui
