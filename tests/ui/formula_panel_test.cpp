// The formula panel driven as a user drives it: text typed into the editor,
// the "=" key, the pop-up menu, double-clicks, and the window's file commands
// with their file dialogs answered as a user answers them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "engine/calculator.h"
#include "ui/file_dialog_answer.h"
#include "ui/panels/formula_panel.h"
#include "ui/window/calculator_app.h"
#include "ui/window/main_window.h"

namespace tavrik::ui {
namespace {

// Records boxes and clipboard texts and shows changes in the window.
class DialogView final : public View {
  public:
    void changed(unsigned changes) override {
        if (window) window->refresh(changes);
    }
    void beep() override {}
    bool messageBox(BoxKind, std::string_view text) override {
        boxes.emplace_back(text);
        return true;
    }
    void setClipboard(std::string_view text) override { clipboard = text; }
    bool statusBarVisible() const override { return true; }
    void reapplyStatusBar() override {}

    MainWindow* window = nullptr;
    std::string clipboard;
    std::vector<std::string> boxes;
};

class FormulaPanelTest : public ::testing::Test {
  protected:
    explicit FormulaPanelTest(bool runOnDoubleClick = true) : calc(view, clock), window(calc) {
        GlobalSettings settings;
        settings.SetTable[kDefaultSetSlot].DblClickF = runOnDoubleClick;
        calc.setSettings(std::move(settings));
        window.LayoutPanels();
        view.window = &window;
        calc.start();
        window.acceptKeys();
        window.show();
    }
    ~FormulaPanelTest() override { view.window = nullptr; }

    QPlainTextEdit* editor() { return window.findChild<QPlainTextEdit*>("memF"); }
    QPushButton* runKey() { return window.findChild<QPushButton*>("btnFR"); }
    QAction* item(const char* name) { return window.findChild<QAction*>(name); }
    QString display() { return window.findChild<QLabel*>("stxC")->text(); }
    void type(const QString& text) { editor()->setPlainText(text); }
    void selectText(int start, int length) {
        QTextCursor cursor = editor()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        editor()->setTextCursor(cursor);
    }

    DialogView view;
    FixedClock clock{DateTime{}};
    Calculator calc;
    MainWindow window;
};

TEST_F(FormulaPanelTest, RunKeyAnswersEveryFormulaLine) {
    type(QStringLiteral("売上 1,200 × 3\n# メモ\n10/4="));
    QTest::mouseClick(runKey(), Qt::LeftButton);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("売上 1,200 × 3\n=3600\n# メモ\n10/4=2.5"));
    // The answer line copies out as a line of its own.
    editor()->selectAll();
    editor()->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), editor()->toPlainText());
    // One step undoes the whole run.
    editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("売上 1,200 × 3\n# メモ\n10/4="));
    // Run again, an answer line stands once.
    type(QStringLiteral("売上 1,200 × 3\nメモ"));
    QTest::mouseClick(runKey(), Qt::LeftButton);
    QTest::mouseClick(runKey(), Qt::LeftButton);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("売上 1,200 × 3\n=3600\nメモ"));
}

TEST_F(FormulaPanelTest, PopupItemsRunWithTheFormulaInFrontAndCopyTheFormula) {
    type(QStringLiteral("売上 1,200 × 3\n2+3 ok"));
    item("pmnFPlus")->trigger();
    item("pmnFRun")->trigger();
    EXPECT_EQ(editor()->toPlainText(),
              QStringLiteral("売上 1,200 × 3\n1200*3=3600\n2+3 ok\n2+3=5"));

    selectText(0, 12);  // "売上 1,200 × 3"
    item("pmnFCopyFormula")->trigger();
    EXPECT_EQ(view.clipboard, "1200*3=");
}

TEST_F(FormulaPanelTest, SelectionRunAnswersInPlaceAndKeepsEmojiPositions) {
    type(QStringLiteral("😀 2+3 と 4"));
    selectText(3, 3);  // "2+3": the emoji is two UTF-16 units
    QTest::mouseClick(runKey(), Qt::LeftButton);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("😀 2+3=5 と 4"));
    EXPECT_EQ(editor()->textCursor().position(), 8);
}

// A run writes answers above the caret: the caret, and the view, stay with
// the text they were at; with or without "自動計算".
TEST_F(FormulaPanelTest, RunKeepsTheCaretAndTheViewWithTheirText) {
    QString text;
    for (int i = 0; i < 40; ++i) text += QStringLiteral("%1+1\n").arg(i);
    for (const bool autoAnswer : {false, true}) {
        SCOPED_TRACE(autoAnswer);
        if (item("pmnFAuto")->isChecked() != autoAnswer) item("pmnFAuto")->trigger();
        type(text + QStringLiteral("2024年5月"));
        editor()->moveCursor(QTextCursor::End);
        editor()->verticalScrollBar()->setValue(20);
        const auto topLine = [&] { return editor()->cursorForPosition({0, 0}).block().text(); };
        ASSERT_EQ(topLine(), QStringLiteral("20+1"));
        QTest::keyClick(editor(), Qt::Key_Return, Qt::ControlModifier);
        EXPECT_TRUE(topLine().startsWith(QStringLiteral("20+1"))) << topLine().toStdString();
        QTest::keyClicks(editor(), "Z");
        EXPECT_TRUE(editor()->toPlainText().endsWith(QStringLiteral("\n2024年5月Z")));
    }
}

class DoubleClickTest : public FormulaPanelTest, public ::testing::WithParamInterface<bool> {
  protected:
    DoubleClickTest() : FormulaPanelTest(GetParam()) {}
};

TEST_P(DoubleClickTest, SelectsTheClickedLineAndRunsItWithDblClickF) {
    type(QStringLiteral("1+2\n3*4"));
    QTextCursor cursor = editor()->textCursor();
    cursor.setPosition(6);
    const QPoint onSecondLine = editor()->cursorRect(cursor).center();
    QTest::mouseDClick(editor()->viewport(), Qt::LeftButton, {}, onSecondLine);
    QTest::mouseRelease(editor()->viewport(), Qt::LeftButton, {}, onSecondLine);
    if (GetParam()) {
        EXPECT_EQ(editor()->toPlainText(), QStringLiteral("1+2\n3*4=12"));
    } else {
        EXPECT_EQ(editor()->toPlainText(), QStringLiteral("1+2\n3*4"));
        EXPECT_EQ(editor()->textCursor().selectedText(), QStringLiteral("3*4"));
    }
}

INSTANTIATE_TEST_SUITE_P(DblClickF, DoubleClickTest, ::testing::Bool());

TEST_F(FormulaPanelTest, FileWriteAndReadRoundTripInShiftJis) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.txt"));
    type(QStringLiteral("売上\n1+1"));
    // Under the text files' filter a name without a suffix is given ".txt".
    FileDialogAnswer write(dir.filePath(QStringLiteral("sheet")));
    item("pmnFWrite")->trigger();
    EXPECT_EQ(write.title, QStringLiteral("ファイル書込"));
    std::ifstream file(path.toStdString(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(bytes, "\x94\x84\x8f\xe3\r\n1+1\r\n");

    // Read inserts at the caret, each line followed by a line break; a
    // cancelled dialog reads nothing.
    type(QStringLiteral("前\n後"));
    selectText(2, 1);
    FileDialogAnswer cancel({});
    item("pmnFRead")->trigger();
    EXPECT_EQ(cancel.title, QStringLiteral("ファイル読込"));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("前\n後"));
    FileDialogAnswer read(path);
    item("pmnFRead")->trigger();
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("前\n売上\n1+1\n後"));
    EXPECT_TRUE(view.boxes.empty());
}

// The log asks for its file only when it starts; a cancelled dialog leaves it
// off and the menu's check with it.
TEST_F(FormulaPanelTest, CancelledLogDialogLeavesTheLogOff) {
    QAction* log = window.findChild<QAction*>("mnuLOG");
    FileDialogAnswer cancel({});
    log->trigger();
    EXPECT_EQ(cancel.title, QStringLiteral("ログ"));
    EXPECT_FALSE(calc.log().active());
    EXPECT_FALSE(log->isChecked());

    QTemporaryDir dir;
    FileDialogAnswer start(dir.filePath(QStringLiteral("calc.log")));
    log->trigger();
    EXPECT_TRUE(calc.log().active());
    EXPECT_TRUE(log->isChecked());
    log->trigger();
    EXPECT_FALSE(calc.log().active());
    EXPECT_FALSE(log->isChecked());
}

TEST_F(FormulaPanelTest, KeysTypedIntoTheEditorNeverReachTheKeypad) {
    // The window, not the editor, has the keys when it first becomes active.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), &window);

    QTest::keyClick(&window, Qt::Key_5);
    ASSERT_EQ(display(), "5");
    editor()->setFocus();
    QTest::keyClick(editor(), Qt::Key_5);
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_EQ(editor()->toPlainText(), "5");
    EXPECT_EQ(display(), "5");
}

TEST_F(FormulaPanelTest, MaximiseFillsTheWindowAndRestoresTheLayout) {
    QWidget* displayPanel = window.findChild<QWidget*>("pnlC");
    QMenu* viewMenu = window.menuBar()->findChild<QMenu*>("mnuV");
    const QSize normal = window.size();
    item("pmnFMax")->trigger();
    EXPECT_FALSE(displayPanel->isVisible());
    EXPECT_FALSE(viewMenu->isEnabled());

    window.resize(normal + QSize(80, 60));
    QTest::qWait(0);
    const QRect memo = editor()->geometry();
    EXPECT_GT(memo.width(), normal.width() - 40);
    EXPECT_EQ(runKey()->geometry().bottomRight(), memo.bottomRight());

    item("pmnFMax")->trigger();
    EXPECT_TRUE(displayPanel->isVisible());
    EXPECT_TRUE(viewMenu->isEnabled());
    EXPECT_EQ(window.size(), normal);
}

// A formula panel the set hides but the "表示" menu brought up comes back
// after "最大表示" as it was, with its menu check.
TEST(MaximiseTest, LeavingBringsBackAFormulaPanelShownFromTheViewMenu) {
    GlobalSettings settings;
    settings.SetTable[kDefaultSetSlot].Disp = "DBM/fSH";
    CalculatorApp app(std::move(settings));
    MainWindow& window = app.window();
    window.show();
    QAction* shownItem = window.findChild<QAction*>("mnuVF");
    QAction* maximise = window.findChild<QAction*>("pmnFMax");
    shownItem->trigger();
    ASSERT_TRUE(window.findChild<QWidget*>("pnlF")->isVisible());
    maximise->trigger();
    maximise->trigger();
    EXPECT_TRUE(window.findChild<QWidget*>("pnlF")->isVisible());
    EXPECT_TRUE(shownItem->isChecked());
}

// "自動計算": the answers follow the edited lines beside the text, which the
// answers never change; the user's undo history stays whole.
TEST_F(FormulaPanelTest, LiveAnswersFollowTheEditedLineOnly) {
    auto* panel = static_cast<FormulaPanel*>(window.findChild<QWidget*>("pnlF"));
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(item("pmnFAuto")->isChecked()) << "off unless the set turns it on";
    constexpr int kLines = 2000;
    QString text;
    for (int i = 0; i < kLines; ++i) text += QStringLiteral("%1+1\n").arg(i);
    type(text);
    item("pmnFAuto")->trigger();
    EXPECT_EQ(panel->liveAnswers().answer(1000), "1001");

    QTextCursor cursor(editor()->document()->findBlockByNumber(1000));
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor()->setTextCursor(cursor);
    const int caret = cursor.position();
    QTest::keyClicks(editor(), "0");
    EXPECT_EQ(panel->answerNow(), 1u) << "only the edited line is answered again";
    EXPECT_EQ(panel->liveAnswers().answer(1000), "1010");
    EXPECT_EQ(editor()->textCursor().position(), caret + 1);
    EXPECT_EQ(editor()->toPlainText().count('='), 0) << "the answers stand beside the text";

    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), "2*3");
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->liveAnswers().answer(1001) == "6"; }))
        << "answered a moment after typing stops";
    EXPECT_EQ(panel->liveAnswers().answer(1002), "1002");

    while (editor()->document()->isUndoAvailable()) editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), text) << "every edit can be undone";
    panel->answerNow();
    EXPECT_EQ(panel->liveAnswers().answer(1000), "1001");
    EXPECT_EQ(panel->liveAnswers().lineCount(), static_cast<std::size_t>(kLines + 1));

    item("pmnFAuto")->trigger();
    QTest::keyClicks(editor(), "5");
    EXPECT_EQ(panel->answerNow(), 0u) << "off: nothing is answered";
}

}  // namespace
}  // namespace tavrik::ui
