// The window driven by the keyboard alone: Tab through the shown panels, keys
// typed on a focused control, the history list, the memory rows and the
// formula panel, what a screen reader is told, and user key assignments
// winning over every new keyboard command.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "settings/key_assignment.h"
#include "support/two_sets.h"
#include "ui/platform/virtual_key.h"
#include "ui/qt_print_to.h"
#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

class KeyboardReachTest : public ::testing::Test {
  protected:
    explicit KeyboardReachTest(GlobalSettings settings = GlobalSettings{})
        : app(std::move(settings)) {
        window().show();
        QApplication::setActiveWindow(&window());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    MainWindow& window() { return app.window(); }
    template <class T = QWidget>
    T* find(const char* name) {
        auto* found = window().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString display() { return find<QLabel>("stxC")->text(); }
    QWidget* focused() { return QApplication::focusWidget(); }
    // Keys go where a keyboard sends them: to the focused control, else the window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = focused() ? focused() : &window();
        QTest::keyClick(target, key, modifiers);
    }
    void type(std::string_view digits) {
        for (char c : digits) press(static_cast<Qt::Key>(Qt::Key_0 + (c - '0')));
    }
    void focus(const char* name) { find(name)->setFocus(Qt::TabFocusReason); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    // 5 + 3 = by the mouse: the history list reads 1: 5, #+, 2: 3, #=.
    void addFivePlusThree() {
        for (const char* key : {"btnN5", "btnCA", "btnN3", "btnCE"}) click(key);
    }
    QStringList historyLines() {
        auto* list = find<QListView>("lstHD");
        QStringList lines;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            lines << list->model()->index(row, 0).data().toString();
        return lines;
    }

    CalculatorApp app;
};

// The letter of the panel holding `control`; "pnlC" holds the display.
QString PanelLetter(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        const QString name = w->objectName();
        if (name.size() == 4 && name.startsWith("pnl")) return name == "pnlC" ? "D" : name.mid(3);
    }
    return {};
}

// The panels Tab reaches from the window, a letter each time it enters one.
// The formula editor is left with Ctrl+Tab.
QString PanelsInTabOrder(QWidget& window, int presses) {
    QString letters;
    for (int i = 0; i < presses; ++i) {
        QWidget* now = QApplication::focusWidget();
        const bool editor = qobject_cast<QPlainTextEdit*>(now) != nullptr;
        QTest::keyClick(now ? now : &window, Qt::Key_Tab,
                        editor ? Qt::ControlModifier : Qt::NoModifier);
        const QString letter = PanelLetter(QApplication::focusWidget());
        if (!letters.endsWith(letter)) letters += letter;
    }
    return letters;
}

TEST_F(KeyboardReachTest, TabVisitsTheShownPanelsInReadingOrder) {
    // The keys row by row, as they are read: AC, BS, 税込 … then 7, 8, 9.
    QStringList first;
    for (int i = 0; i < 8; ++i) {
        press(Qt::Key_Tab);
        first << focused()->objectName();
    }
    EXPECT_EQ(first.join(' '), "stxC btnAC btnBS btnTI btnTO btnCB btnN7 btnN8");
    window().setFocus();

    // 35 keys, 11 memory stops, 4 history buttons and so on: enough presses
    // to go round once and begin again.
    EXPECT_TRUE(PanelsInTabOrder(window(), 70).startsWith("DBMFSHD"));
    EXPECT_TRUE(find("focusRing")->isVisible()) << "the focus is always shown";

    window().findChild<QAction*>("mnuVM")->trigger();
    window().findChild<QAction*>("mnuVS")->trigger();
    window().setFocus();
    EXPECT_TRUE(PanelsInTabOrder(window(), 60).startsWith("DBFHD"))
        << "hidden panels are passed over";
}

// F6 and Shift+F6 go from panel to panel, each time to the panel's main control.
TEST_F(KeyboardReachTest, F6MovesBetweenThePanels) {
    QStringList stops;
    for (int i = 0; i < 7; ++i) {
        press(Qt::Key_F6);
        stops << focused()->objectName();
    }
    EXPECT_EQ(stops.join(' '), "stxC btnAC stxM0 memF btnHC lstHD stxC");
    press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(focused()->objectName(), "lstHD");
    press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(focused()->objectName(), "btnHC");
    press(Qt::Key_F6);
    press(Qt::Key_F6);
    EXPECT_EQ(display(), "0") << "F6 is no calculator key";
}

// Shift+Tab from the display goes to the last control, not to the window.
TEST_F(KeyboardReachTest, EveryTabStopIsAVisibleControl) {
    focus("stxC");
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_NE(focused(), nullptr);
    EXPECT_NE(focused(), &window());
    EXPECT_FALSE(window().focusPolicy() & Qt::TabFocus);
}

// The Menu key and Shift+F10 open the pop-up menu of the control in focus.
TEST_F(KeyboardReachTest, MenuKeyOpensThePopupOfTheFocusedControl) {
    addFivePlusThree();
    focus("lstHD");
    press(Qt::Key_Menu);
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->findChild<QAction*>() || !menu->actions().isEmpty());
    const QList<QAction*> historyItems = menu->actions();
    menu->close();
    focus("btnN5");
    press(Qt::Key_F10, Qt::ShiftModifier);
    QMenu* other = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other->actions(), historyItems) << "the keypad has the window's menu";
    other->close();
    EXPECT_EQ(display(), "8");
}

// In time mode 変換 has its own menu of the time-sheet keys; in decimal mode
// the same key opens the window's menu.
TEST_F(KeyboardReachTest, ConvertKeyOpensTheTimeSheetMenuInTimeMode) {
    focus("btnTO");
    press(Qt::Key_Menu);
    auto* timeSheet = find<QMenu>("pmnTimeSheet");
    EXPECT_FALSE(timeSheet->isVisible());
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QApplication::activePopupWidget()->close();

    window().findChild<QAction*>("mnuMT")->trigger();
    for (const char* key : {"btnN8", "btnND", "btnN1", "btnN5", "btnNE"}) click(key);
    focus("btnTO");
    press(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(timeSheet->isVisible());
    QTest::keyClick(timeSheet, Qt::Key_H);
    EXPECT_EQ(display(), "8.25");

    const QPoint inside(1, 1);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inside,
                                 find("btnTO")->mapToGlobal(inside));
    QApplication::sendEvent(find("btnTO"), &rightClick);
    EXPECT_TRUE(timeSheet->isVisible()) << "a right click opens it too";
    timeSheet->close();
}

TEST_F(KeyboardReachTest, FormulaEditorKeepsTabAndRunsWithCtrlEnter) {
    focus("memF");
    auto* editor = find<QPlainTextEdit>("memF");
    QTest::keyClicks(editor, "1+2=");
    press(Qt::Key_Tab);
    EXPECT_EQ(editor->toPlainText(), "1+2=\t");
    EXPECT_EQ(focused(), editor);
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(editor->toPlainText(), "1+2=\t3") << "the line holding the caret runs";

    press(Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = find<QMenu>("pmnF");
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    press(Qt::Key_Menu);
    EXPECT_TRUE(menu->isVisible());
    menu->close();

    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focused(), find("btnFR")) << "Ctrl+Tab leaves the editor";
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), editor);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), find("btnM3O")) << "Shift+Tab leaves backwards";
    EXPECT_EQ(display(), "0") << "no key typed in the editor reaches the calculator";
}

TEST_F(KeyboardReachTest, FocusedKeysPassTypedKeysOnAndPressWithSpaceOrEnter) {
    focus("btnN7");
    type("12");
    EXPECT_EQ(display(), "12");
    press(Qt::Key_Space);
    EXPECT_EQ(display(), "127");
    press(Qt::Key_Return);
    EXPECT_EQ(display(), "1277");
    EXPECT_EQ(focused(), find("btnN7"));
}

TEST_F(KeyboardReachTest, HistoryListSelectsReplaysAndDeletesByKeys) {
    addFivePlusThree();
    ASSERT_EQ(historyLines(), (QStringList{"1: 5", "#+", "2: 3", "#="}));
    focus("lstHD");
    press(Qt::Key_Home);
    EXPECT_EQ(app.calculator().history().current().selected, 0);
    type("9");
    EXPECT_EQ(display(), "9") << "digits still go to the calculator";
    press(Qt::Key_Return);
    EXPECT_EQ(display(), "5") << "Enter replays the selected line";
    EXPECT_EQ(app.calculator().history().current().selected, 1) << "and moves down";
    const int lines = historyLines().size();
    press(Qt::Key_Delete);
    EXPECT_EQ(historyLines().size(), lines - 1);
    press(Qt::Key_Down);
    EXPECT_EQ(app.calculator().history().current().selected, 2);
}

TEST_F(KeyboardReachTest, MemoryRowsChooseByArrowsAndSayWhatTheyDo) {
    auto* store1 = find<QPushButton>("btnM0I");
    EXPECT_EQ(store1->accessibleName(), "メモリー1に記憶");
    EXPECT_EQ(find<QPushButton>("btnM0O")->accessibleName(), "メモリー1を呼び出す");
    focus("stxM0");
    press(Qt::Key_Down);
    EXPECT_EQ(app.calculator().memory().current, 1);
    EXPECT_EQ(focused(), find("stxM1"));
    QAccessibleInterface* value = QAccessible::queryAccessibleInterface(find("stxM1"));
    EXPECT_EQ(value->role(), QAccessible::RadioButton);
    EXPECT_TRUE(value->state().checked) << "the current register says so";
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(find("stxM0"))->state().checked);

    type("42");
    focus("btnM0I");
    press(Qt::Key_Space);
    EXPECT_EQ(find<QLabel>("stxM0")->text(), "42");
    click("btnAC");
    focus("btnM0O");
    press(Qt::Key_Return);
    EXPECT_EQ(display(), "42");
}

// Each announcement shows the notification once, with its text.
class ShowCounter final : public QObject {
  public:
    int shows = 0;
    QStringList said;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shows;
            said << static_cast<QWidget*>(watched)->accessibleName();
        }
        return false;
    }
};

TEST_F(KeyboardReachTest, ResultsErrorsAndModesAreAnnouncedOnce) {
    QWidget* announcer = find("ntfAnnounce");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);
    ShowCounter counter;
    announcer->installEventFilter(&counter);
    // Announcements are made once the key has done its work.
    const auto settle = [] { QCoreApplication::processEvents(); };
    type("12");
    click("btnCA");
    type("3");
    settle();
    EXPECT_EQ(counter.shows, 0) << "typing is not announced";
    click("btnCE");
    settle();
    EXPECT_EQ(announcer->accessibleName(), "15");
    EXPECT_EQ(counter.shows, 1);
    EXPECT_TRUE(find<QListView>("lstHD")->accessibleDescription().contains("#="));

    click("btnCD");
    type("0");
    click("btnCE");
    settle();
    EXPECT_EQ(counter.shows, 2);
    EXPECT_EQ(announcer->accessibleName(), "０除算エラー") << "the error, not the display";

    window().findChild<QAction*>("mnuMT")->trigger();
    settle();
    EXPECT_EQ(announcer->accessibleName(), "モード: 時間");
    EXPECT_EQ(counter.shows, 3);
}

GlobalSettings ClockSet() {
    GlobalSettings settings = TwoSets("Main", "Clock");
    settings.SetTable[1].Mode = 'T';
    return settings;
}

class SetAnnouncementTest : public KeyboardReachTest {
  protected:
    SetAnnouncementTest() : KeyboardReachTest(ClockSet()) {}
};

TEST_F(SetAnnouncementTest, ANewSetAndItsModeAreSaid) {
    ShowCounter counter;
    find("ntfAnnounce")->installEventFilter(&counter);
    find<QMenu>("mnuOS")->actions()[1]->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.said, (QStringList{"設定: Clock", "モード: 時間"}));
}

// The formula panel's keyboard commands belong to its editor, whose keys are
// text. Everywhere else those keys still reach the calculator, so that a
// user who gives one of them a calculator key loses nothing.
struct FormulaShortcut {
    const char* control;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

GlobalSettings AssigningFive(const FormulaShortcut& c) {
    GlobalSettings settings;
    const int index =
        KeyTableIndex(VirtualKeyOf(c.key, c.modifiers), c.modifiers & Qt::ControlModifier,
                      c.modifiers & Qt::ShiftModifier);
    settings.Keys[static_cast<std::size_t>(index)] = "5555";
    return settings;
}

class FormulaShortcutTest : public KeyboardReachTest,
                            public ::testing::WithParamInterface<FormulaShortcut> {
  protected:
    FormulaShortcutTest() : KeyboardReachTest(AssigningFive(GetParam())) {}
};

TEST_P(FormulaShortcutTest, ReachesTheKeyTableOutsideTheEditor) {
    focus(GetParam().control);
    QWidget* before = focused();
    press(GetParam().key, GetParam().modifiers);
    EXPECT_EQ(display(), "5");
    EXPECT_EQ(focused(), before);
    EXPECT_FALSE(find<QMenu>("pmnF")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    KeysOfTheFormulaEditor, FormulaShortcutTest,
    ::testing::Values(FormulaShortcut{"btnN7", Qt::Key_Return, Qt::ControlModifier},
                      FormulaShortcut{"btnN7", Qt::Key_F10, Qt::ShiftModifier},
                      FormulaShortcut{"btnN7", Qt::Key_Menu, {}},
                      FormulaShortcut{"btnN7", Qt::Key_Tab, Qt::ControlModifier},
                      FormulaShortcut{"btnFR", Qt::Key_Return, Qt::ControlModifier},
                      FormulaShortcut{"lstHD", Qt::Key_Return, Qt::ControlModifier},
                      FormulaShortcut{"lstHD", Qt::Key_F10, Qt::ShiftModifier},
                      FormulaShortcut{"stxC", Qt::Key_Menu, {}}));

}  // namespace
}  // namespace tavrik::ui
