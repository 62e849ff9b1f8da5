// Undo and redo in the window: the starter's keys reach the calculator once
// each through the key table, and the "操作" items are enabled only while
// there is a step to undo or redo, showing those keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "settings/key_codes.h"
#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

GlobalSettings WithLaterKeys() {
    GlobalSettings settings;
    for (const LaterKeyDefault& later : kLaterKeyDefaults)
        settings.Keys[static_cast<std::size_t>(later.index)] = later.entry;
    return settings;
}

TEST(UndoKeysTest, KeysUndoAndRedoOneStepEachAndTheItemsFollow) {
    CalculatorApp app(WithLaterKeys());
    MainWindow& window = app.window();
    window.show();
    const auto display = [&] { return window.findChild<QLabel*>("stxC")->text(); };
    QAction* undo = window.findChild<QAction*>("mnuOUndo");
    QAction* redo = window.findChild<QAction*>("mnuORedo");
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&U)"));
    EXPECT_EQ(redo->text(), QStringLiteral("やり直し(&R)"));
    EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    const auto enabled = [&] { return std::pair(undo->isEnabled(), redo->isEnabled()); };
    EXPECT_EQ(enabled(), std::pair(false, false));
    EXPECT_TRUE(undo->isVisible());

    QTest::keyClick(&window, Qt::Key_1);
    QTest::keyClick(&window, Qt::Key_2);
    EXPECT_EQ(enabled(), std::pair(true, false));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(display(), "1") << "one step undone, not two";
    EXPECT_EQ(enabled(), std::pair(true, true));
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(display(), "12");
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(enabled(), std::pair(false, true));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(display(), "1");
    redo->trigger();
    EXPECT_EQ(display(), "12");
    EXPECT_EQ(enabled(), std::pair(true, false));
    undo->trigger();
    EXPECT_EQ(display(), "1");

    // While the menu bar holds the keyboard (as after Alt), the window gets no
    // keys: the item's shortcut undoes, once.
    window.menuBar()->setFocus();
    QTest::keyClick(window.menuBar(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(display(), "0");
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(display(), "1");

    // A new key step ends what could be redone.
    QTest::keyClick(&window, Qt::Key_5);
    EXPECT_EQ(display(), "15");
    EXPECT_EQ(enabled(), std::pair(true, false));
}

}  // namespace
}  // namespace tavrik::ui
