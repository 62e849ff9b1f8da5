// Keyboard keys in the main window: each key counts once, at its release,
// with the modifiers held when it went down, and never for a release whose
// press went elsewhere.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

constexpr int kEnterKey = 13;
constexpr int kEscapeKey = 27;
constexpr int kEqualsKey = 187;  // "=", with Shift "+" (US); ";", with Shift "+" (JIS)

GlobalSettings KeyedSettings() {
    GlobalSettings settings;
    settings.Keys[kEnterKey] = "====";
    settings.Keys[kEscapeKey] = "ZZZZ";  // AC
    settings.Keys[kShiftKeyOffset + kEqualsKey] = "++++";
    return settings;
}

class KeyboardKeysTest : public ::testing::Test {
  protected:
    explicit KeyboardKeysTest(GlobalSettings settings = KeyedSettings())
        : app(std::move(settings)) {
        window().show();
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    MainWindow& window() { return app.window(); }
    QString display() { return window().findChild<QLabel*>("stxC")->text(); }
    void type(const char* digits) {
        for (const char* c = digits; *c; ++c)
            QTest::keyClick(&window(), static_cast<Qt::Key>(Qt::Key_0 + (*c - '0')));
    }
    void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 scanCode = 0,
              bool repeat = false) {
        QKeyEvent event(type, key, modifiers, scanCode, 0, 0, {}, repeat);
        QApplication::sendEvent(&window(), &event);
    }

    CalculatorApp app;
};

TEST_F(KeyboardKeysTest, ShiftLetGoFirstStillGivesTheShiftedKey) {
    struct Case {
        const char* keyboard;
        Qt::Key up;  // the key as Qt names it once Shift is let go
        quint32 scanCode;
    };
    const Case cases[] = {{"US", Qt::Key_Equal, 0}, {"JIS", Qt::Key_Semicolon, 47}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyboard);
        QTest::keyClick(&window(), Qt::Key_Escape);
        type("12");
        send(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
        send(QEvent::KeyPress, Qt::Key_Plus, Qt::ShiftModifier, c.scanCode);
        send(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
        send(QEvent::KeyRelease, c.up, Qt::NoModifier, c.scanCode);
        type("34");
        QTest::keyClick(&window(), Qt::Key_Return);
        EXPECT_EQ(display(), "46");
    }
}

TEST_F(KeyboardKeysTest, AHeldKeyCountsOnceThroughItsRepeats) {
    QTest::keyPress(&window(), Qt::Key_6);
    for (int i = 0; i < 3; ++i) {
        send(QEvent::KeyRelease, Qt::Key_6, Qt::NoModifier, 0, true);
        send(QEvent::KeyPress, Qt::Key_6, Qt::NoModifier, 0, true);
    }
    send(QEvent::KeyPress, Qt::Key_8, Qt::NoModifier, 0, true);
    QTest::keyRelease(&window(), Qt::Key_6);
    EXPECT_EQ(display(), "6");
}

TEST_F(KeyboardKeysTest, AReleaseWhosePressWentElsewherePressesNothing) {
    type("2");
    QTest::keyClick(&window(), Qt::Key_Plus, Qt::ShiftModifier);
    type("3");
    QTest::keyClick(&window(), Qt::Key_Return);
    ASSERT_EQ(display(), "5");
    // The Enter that confirmed a dialog comes up in the window.
    QTest::keyRelease(&window(), Qt::Key_Return);
    EXPECT_EQ(display(), "5");

    QTest::keyPress(&window(), Qt::Key_7);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyRelease(&window(), Qt::Key_7);
    EXPECT_EQ(display(), "5") << "the window lost the keyboard while 7 was down";
}

// Without the status bar every error shows its box.
GlobalSettings NoStatusBar() {
    GlobalSettings settings = KeyedSettings();
    settings.SetTable[kDefaultSetSlot].SBA = "TF";
    settings.Keys[111] = "////";  // keypad "/"
    return settings;
}

class ErrorBoxKeysTest : public KeyboardKeysTest {
  protected:
    ErrorBoxKeysTest() : KeyboardKeysTest(NoStatusBar()) {}
};

TEST_F(ErrorBoxKeysTest, TheEnterThatClosesAnErrorBoxDoesNotRepeatTheError) {
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            box->accept();  // as the press of Enter in the box does
        }
    });
    closer.start(0);
    type("1");
    QTest::keyClick(&window(), Qt::Key_Slash, Qt::KeypadModifier);
    type("0");
    QTest::keyClick(&window(), Qt::Key_Return);
    ASSERT_EQ(boxes, 1);
    QTest::keyRelease(&window(), Qt::Key_Return);
    EXPECT_EQ(boxes, 1);
}

TEST_F(KeyboardKeysTest, EscapeAfterAMenuClosedWithEscapeClears) {
    // A style whose menu bar keeps the keyboard after its menu closes.
    QMenuBar* bar = window().menuBar();
    bar->setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    type("12");
    bar->setActiveAction(bar->actions().first());
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Escape);
    EXPECT_EQ(display(), "0");
}

}  // namespace
}  // namespace tavrik::ui
