// The window's controls as a screen reader meets them through Qt's
// accessibility interfaces: toggled checkable controls act, hidden lists are
// not met, and the formula editor reads ordinary line breaks.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "settings/key_codes.h"
#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

class AssistiveControlsTest : public ::testing::Test {
  protected:
    AssistiveControlsTest() { app.window().show(); }

    template <class W = QWidget>
    W* find(const char* name) {
        auto* widget = app.window().findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    const History& history() { return std::as_const(app.calculator()).history(); }
    static void toggle(QWidget* control) {
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(a11y, nullptr);
        ASSERT_NE(a11y->actionInterface(), nullptr);
        ASSERT_TRUE(a11y->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::toggleAction()));
        a11y->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }

    CalculatorApp app;
};

TEST_F(AssistiveControlsTest, ToggledControlsActOnceWhateverToggledThem) {
    auto* recording = find<QPushButton>("sbtHE");
    auto* moveDown = find<QCheckBox>("cbxHC");
    ASSERT_TRUE(history().recording());
    const bool down = history().moveDown();

    toggle(recording);
    EXPECT_FALSE(history().recording());
    EXPECT_EQ(recording->text(), "×");
    QTest::mouseClick(recording, Qt::LeftButton);
    EXPECT_TRUE(history().recording()) << "a click acts once";

    toggle(moveDown);
    EXPECT_EQ(history().moveDown(), !down);
    QTest::mouseClick(moveDown, Qt::LeftButton);
    EXPECT_EQ(history().moveDown(), down);
}

TEST_F(AssistiveControlsTest, OnlyTheShownHistoryListIsMet) {
    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(find("pnlH"));
    ASSERT_NE(panel, nullptr);
    int lists = 0;
    for (int i = 0; i < panel->childCount(); ++i) {
        QAccessibleInterface* child = panel->child(i);
        if (child->role() != QAccessible::List) continue;
        ++lists;
        EXPECT_FALSE(child->state().invisible);
    }
    EXPECT_EQ(lists, 1);
}

// A chosen history line reports the focus only while the list has it.
TEST_F(AssistiveControlsTest, OnlyTheFocusedControlReportsTheFocus) {
    app.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.window()));
    for (int code : {kDigit0 + 1, int{kAdd}, kDigit0 + 2, int{kEquals}})
        app.calculator().PushBBtn(code);
    auto* list = find<QAbstractItemView>("lstHD");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    ASSERT_EQ(history().current().selected, 0);
    const auto firstLineFocused = [&] {
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(list);
        return a11y->child(0)->state().focused;
    };
    auto* key = find<QWidget>("btnFR");
    key->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(firstLineFocused()) << "the focus is on a key";
    list->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(firstLineFocused());
    key->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(firstLineFocused());
    EXPECT_EQ(history().current().selected, 0) << "the line stays chosen";
}

TEST_F(AssistiveControlsTest, FormulaEditorReadsOrdinaryLineBreaks) {
    auto* editor = find<QPlainTextEdit>("memF");
    editor->textCursor().insertText(QStringLiteral("1+2") + QChar::LineSeparator +
                                    QStringLiteral("= 3\n4"));
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(editor);
    ASSERT_NE(a11y, nullptr);
    ASSERT_NE(a11y->textInterface(), nullptr);
    QAccessibleTextInterface* text = a11y->textInterface();
    EXPECT_EQ(text->text(0, text->characterCount()), "1+2\n= 3\n4");
    EXPECT_EQ(a11y->text(QAccessible::Value), "1+2\n= 3\n4");
    text->setSelection(0, 4, 7);
    EXPECT_EQ(editor->textCursor().selectedText(), "= 3");
}

}  // namespace
}  // namespace tavrik::ui
