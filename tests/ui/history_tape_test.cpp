// The history list as an office tape, driven by real key events: results and
// grand totals under the lines ("結果を表示" on and off), the search line
// (Ctrl+F) and the copy of several lines (Ctrl+C).
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <iterator>

#include "settings/key_codes.h"
#include "ui/file_dialog_answer.h"
#include "ui/qt_print_to.h"
#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

GlobalSettings WithResults(bool shown) {
    GlobalSettings settings;
    settings.KK3 = true;  // digit grouping
    settings.SetTable[kDefaultSetSlot].ResultH = shown;
    return settings;
}

class HistoryTapeTest : public ::testing::TestWithParam<bool> {
  protected:
    explicit HistoryTapeTest(bool results = true) : app(WithResults(results)) {
        app.window().show();
        QApplication::setActiveWindow(&app.window());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&app.window()));
    }

    template <class T = QWidget>
    T* find(const char* name) {
        auto* found = app.window().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QListView* list() { return find<QListView>("lstHD"); }
    QString display() { return find<QLabel>("stxC")->text(); }
    // Keys go where a keyboard sends them: to the focused control, else the window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &app.window(), key, modifiers);
    }
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    // Text as an input method commits it, as full-width digits come.
    void commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }
    // Keypad keys, as the console names them.
    void calculate(std::string_view keys) {
        for (char c : keys) app.calculator().PushBBtn(CodeOfKeyChar(c));
    }
    QStringList rows() {
        QStringList shown;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            shown << list()->model()->index(row, 0).data().toString();
        return shown;
    }
    void focusList() { list()->setFocus(Qt::TabFocusReason); }

    CalculatorApp app;
};

class HistoryResultsTest : public HistoryTapeTest {
  protected:
    HistoryResultsTest() : HistoryTapeTest(GetParam()) {}
};

// With the option on, each "=" line is followed by its result and the grand
// total, right-aligned; a deleted line takes its result row with it. Off,
// the list shows the lines alone.
TEST_P(HistoryResultsTest, ResultRowsFollowTheOption) {
    calculate("1280+3450=");
    calculate("20*3=");
    const QString total = QStringLiteral("= 4,730　GT 4,730");
    if (!GetParam()) {
        EXPECT_EQ(rows(),
                  (QStringList{"1: 1,280", "#+", "2: 3,450", "#=", "3: 20", "#*", "4: 3", "#="}));
        return;
    }
    EXPECT_EQ(rows(), (QStringList{"1: 1,280", "#+", "2: 3,450", "#=", total, "3: 20", "#*", "4: 3",
                                   "#=", QStringLiteral("= 60　GT 4,790")}));
    find<QAction>("mnuMKK3")->trigger();  // grouping off: the totals follow, results stay as shown
    EXPECT_EQ(rows()[4], QStringLiteral("= 4,730　GT 4730"));
    find<QAction>("mnuMKK3")->trigger();
    const QModelIndex result = list()->model()->index(4, 0);
    EXPECT_EQ(result.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(result.data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("結果 4,730、累計 4,730"));

    focusList();
    press(Qt::Key_Home);
    for (int i = 0; i < 5; ++i) press(Qt::Key_Down);  // past the result row to line "3: 20"
    EXPECT_EQ(app.calculator().history().current().selected, 4);
    press(Qt::Key_Delete);
    EXPECT_EQ(rows().mid(4),
              (QStringList{total, "#*", "4: 3", "#=", QStringLiteral("= 60　GT 4,790")}));
}
INSTANTIATE_TEST_SUITE_P(OnAndOff, HistoryResultsTest, ::testing::Bool());

// Ctrl+F opens the search line; a number typed plain or in full-width
// digits finds the grouped line, Up goes to the match before, and Enter
// enters the value and closes the search.
TEST_F(HistoryTapeTest, SearchFindsGroupedAndFullWidthNumbersAndEntersTheValue) {
    calculate("1234567+89=");
    calculate("1234*2=");
    focusList();
    press(Qt::Key_F, Qt::ControlModifier);
    auto* search = find<QLineEdit>("edtHFind");
    ASSERT_EQ(QApplication::focusWidget(), search);
    EXPECT_FALSE(search->accessibleName().isEmpty());
    type("1234");
    EXPECT_EQ(app.calculator().history().current().selected, 4) << "the last match first";
    press(Qt::Key_Up);
    EXPECT_EQ(app.calculator().history().current().selected, 3) << "the result 1,234,656";
    press(Qt::Key_Up);
    EXPECT_EQ(app.calculator().history().current().selected, 0);
    search->clear();
    commit(QStringLiteral("１２３４５６"));
    EXPECT_EQ(app.calculator().history().current().selected, 0);
    press(Qt::Key_Return);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), list());
    EXPECT_EQ(display(), "1,234,567");

    press(Qt::Key_F, Qt::ControlModifier);
    type("99");
    press(Qt::Key_Escape);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(display(), "1,234,567") << "Esc enters nothing";
}

// Shift+Down extends the selection; Ctrl+C, or the list's pop-up menu,
// copies the lines with their results as columns for a spreadsheet.
TEST_F(HistoryTapeTest, SeveralLinesAreCopiedAsTabSeparatedColumns) {
    calculate("12+3=");
    focusList();
    press(Qt::Key_Home);
    for (int i = 0; i < 4; ++i) press(Qt::Key_Down, Qt::ShiftModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    const QString columns = QStringLiteral("値\t演算\t結果\n12\t\t\n\t+\t\n3\t\t\n\t=\t15\n");
    EXPECT_EQ(QApplication::clipboard()->text(), columns);
    EXPECT_EQ(display(), "15") << "the calculator saw no key";

    QApplication::clipboard()->clear();
    find<QAction>("pmnHCopyLines")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), columns);
}

// Without the tape, Ctrl+C in the list copies the current line as it always
// did; the pop-up menu still copies the chosen lines as columns.
class HistoryTapeOffTest : public HistoryTapeTest {
  protected:
    HistoryTapeOffTest() : HistoryTapeTest(false) {}
};

TEST_F(HistoryTapeOffTest, CtrlCInTheListCopiesTheCurrentLine) {
    calculate("12+3=");
    focusList();
    press(Qt::Key_Home);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1: 12"));
    find<QAction>("pmnHCopyLines")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("値\t演算\t結果\n12")));
}

// "CSV書出" asks for a file, ".csv" added to a bare name, and writes the
// list as CSV for a spreadsheet.
TEST_F(HistoryTapeTest, CsvExportWritesTheChosenFile) {
    calculate("12+3=");
    QTemporaryDir dir;
    FileDialogAnswer answer(dir.filePath(QStringLiteral("tape")));
    find<QAction>("mnuOHCsv")->trigger();
    EXPECT_EQ(answer.title, QStringLiteral("CSV書出"));
    std::ifstream file(dir.filePath(QStringLiteral("tape.csv")).toStdString(), std::ios::binary);
    const std::string csv{std::istreambuf_iterator<char>(file), {}};
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF値,演算,結果\r\n12,,\r\n")) << csv;
}

}  // namespace
}  // namespace tavrik::ui
