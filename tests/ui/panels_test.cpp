// The memory, history list and history operation panels, their arrangement
// from `Disp`, the "表示" menu, the main pop-up menu and the set menu, driven
// as a user drives them.
#include <gtest/gtest.h>

#include <algorithm>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "engine/button_codes.h"
#include "ui/button_panel.h"
#include "ui/calculator_app.h"
#include "ui/uniform_list_view.h"

namespace tavrik::ui {
namespace {

GlobalSettings WithDisp(std::string disp, int lineH = -5) {
    GlobalSettings settings;
    settings.SetTable[kDefaultSetSlot].Disp = std::move(disp);
    settings.SetTable[kDefaultSetSlot].LineH = lineH;
    return settings;
}

class PanelsTest : public ::testing::Test {
  protected:
    // The default arrangement without the formula panel: the history list has
    // its column to itself.
    explicit PanelsTest(GlobalSettings settings = WithDisp("DBM/SH")) : app(std::move(settings)) {
        window().show();
    }

    MainWindow& window() { return app.window(); }
    template <class T = QWidget>
    T* find(const char* name) {
        return window().findChild<T*>(name);
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void keys(std::string_view keys) {
        for (char c : keys) click(ButtonPanel::KeyName(CodeOfKeyChar(c)));
    }
    QString display() { return find<QLabel>("stxC")->text(); }
    UniformListView* list() { return find<UniformListView>("lstHD"); }
    QStringList lines() {
        QStringList result;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            result << list()->model()->index(row, 0).data().toString();
        return result;
    }
    void selectLine(int row) {
        const QRect rect = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    CalculatorApp app;
};

class DefaultLayoutTest : public PanelsTest {
  protected:
    DefaultLayoutTest() : PanelsTest(GlobalSettings{}) {}
};

TEST_F(DefaultLayoutTest, TwoColumnsWithTheHistoryListReachingTheBottom) {
    auto* buttons = find("pnlB");
    auto* memory = find("pnlM");
    auto* formula = find("pnlF");
    auto* operations = find("pnlS");
    auto* history = find("pnlH");
    EXPECT_EQ(memory->pos(), QPoint(0, buttons->geometry().bottom() + 1));
    EXPECT_EQ(memory->width(), buttons->width());
    EXPECT_EQ(formula->pos(), QPoint(buttons->width(), find("stbMain")->height()));
    EXPECT_EQ(operations->pos(), QPoint(formula->x(), formula->geometry().bottom() + 1));
    EXPECT_EQ(history->pos(), QPoint(operations->x(), operations->geometry().bottom() + 1));
    EXPECT_EQ(history->width(), operations->width());
    EXPECT_EQ(history->geometry().bottom() + 1, window().centralWidget()->height());
    window().resize(window().width(), window().height() + 50);
    QCoreApplication::processEvents();
    EXPECT_EQ(history->geometry().bottom() + 1, window().centralWidget()->height());
}

struct PresenceCase {
    const char* disp;
    const char* shown;   // panels built and shown
    const char* hidden;  // built, hidden, their "表示" item unchecked
    const char* absent;  // "表示" item removed
    bool recording;
};

void PrintTo(const PresenceCase& c, std::ostream* out) {
    *out << c.disp;
}

class PanelPresenceTest : public ::testing::TestWithParam<PresenceCase> {};

TEST_P(PanelPresenceTest, CaseOfTheLetterDecidesShownHiddenOrAbsent) {
    const PresenceCase& c = GetParam();
    CalculatorApp app(WithDisp(c.disp));
    app.window().show();
    static const std::map<char, std::pair<const char*, const char*>> kPanels{
        {'D', {"pnlC", "mnuVD"}}, {'B', {"pnlB", "mnuVB"}}, {'M', {"pnlM", "mnuVM"}},
        {'H', {"pnlH", "mnuVH"}}, {'S', {"pnlS", "mnuVS"}}, {'F', {"pnlF", "mnuVF"}}};
    const auto check = [&](const char* letters, bool built, bool shown) {
        for (const char* l = letters; *l; ++l) {
            SCOPED_TRACE(std::string(c.disp) + " panel " + *l);
            const auto [panelName, itemName] = kPanels.at(*l);
            auto* panel = app.window().findChild<QWidget*>(panelName);
            auto* item = app.window().findChild<QAction*>(itemName);
            EXPECT_EQ(item->isVisible(), built);
            EXPECT_EQ(item->isChecked(), shown);
            if (built) {
                EXPECT_EQ(panel->isVisible(), shown);
            } else if (panel) {
                EXPECT_FALSE(panel->isVisible());
            }
        }
    };
    check(c.shown, true, true);
    check(c.hidden, true, false);
    check(c.absent, false, false);
    EXPECT_EQ(app.calculator().history().recording(), c.recording);
}

INSTANTIATE_TEST_SUITE_P(Disp, PanelPresenceTest,
                         ::testing::Values(PresenceCase{"dBM/SH", "BMSH", "D", "F", true},
                                           PresenceCase{"BM", "BM", "", "DHSF", false},
                                           PresenceCase{"DBMS", "DBM", "", "HSF", false},
                                           PresenceCase{"DBM/sH", "DBMH", "S", "F", false}),
                         [](const ::testing::TestParamInfo<PresenceCase>& info) {
                             std::string name = info.param.disp;
                             std::replace(name.begin(), name.end(), '/', '_');
                             return name;
                         });

TEST(HistoryPanelLayoutTest, FixedLineCountKeepsTheColumnGoing) {
    CalculatorApp app(WithDisp("DH/B", 5));
    app.window().show();
    auto* history = app.window().findChild<QWidget*>("pnlH");
    auto* list = app.window().findChild<QWidget*>("lstHD");
    const int pitch = app.calculator().currentSet().Pitch;
    EXPECT_EQ(list->height(), 5 * QFontMetrics(list->font()).height() + 3);
    EXPECT_EQ(history->height(), list->height() + 2 * pitch);
    EXPECT_GT(app.window().findChild<QWidget*>("pnlB")->x(), 0) << "the '/' starts a column";

    CalculatorApp stretching(WithDisp("DHB", -5));
    stretching.window().show();
    auto* buttons = stretching.window().findChild<QWidget*>("pnlB");
    EXPECT_EQ(buttons->x(), stretching.window().findChild<QWidget*>("pnlH")->width())
        << "a stretching history list ends its column";
}

TEST_F(PanelsTest, MemoryStoreSelectAndRecall) {
    keys("12");
    click("btnM2I");
    EXPECT_EQ(find<QLabel>("stxM2")->text(), "12");
    EXPECT_EQ(find<QPushButton>("btnM0I")->text(), "■");
    QTest::mouseClick(find<QLabel>("stxM2"), Qt::LeftButton);
    EXPECT_EQ(find<QPushButton>("btnM2I")->text(), "■");
    EXPECT_FALSE(find<QPushButton>("btnM2I")->isEnabled());
    EXPECT_EQ(find<QPushButton>("btnM0I")->text(), ">");
    EXPECT_TRUE(find<QPushButton>("btnM0I")->isEnabled());
    keys("Z");  // AC
    click("btnM2O");
    EXPECT_EQ(display(), "12");
    keys("3");
    EXPECT_EQ(display(), "123") << "a recalled value counts as typed";
}

TEST_F(PanelsTest, HistoryShowsTheLinesAndReplaysThemStepByStep) {
    keys("5+3=");
    EXPECT_EQ(lines(), (QStringList{"1: 5", "#+", "2: 3", "#="}));
    EXPECT_TRUE(find<QCheckBox>("cbxHC")->isChecked());
    keys("Z");
    selectLine(0);
    EXPECT_EQ(app.calculator().history().current().selected, 0);
    for (int press = 0; press < 4; ++press) click("btnHR");
    EXPECT_EQ(display(), "8");
    const QPoint belowTheLines(5, list()->viewport()->height() - 2);
    ASSERT_FALSE(list()->indexAt(belowTheLines).isValid());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, belowTheLines);
    EXPECT_EQ(app.calculator().history().current().selected, -1);
    click("btnHC");
    EXPECT_TRUE(lines().isEmpty());
}

TEST_F(PanelsTest, NewLinesScrollIntoViewOnlyWhileNothingIsSelected) {
    for (int i = 0; i < 30; ++i) keys("1+");
    QScrollBar* bar = list()->verticalScrollBar();
    EXPECT_GT(bar->value(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    selectLine(list()->firstVisibleRow());
    const int kept = bar->value();
    keys("2+");
    EXPECT_EQ(bar->value(), kept);
    EXPECT_LT(bar->value(), bar->maximum());
}

TEST_F(PanelsTest, ScreenReadersReadTheHistoryLines) {
    keys("1+2=");
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->role(), QAccessible::List);
    EXPECT_EQ(view->text(QAccessible::Name), "履歴リスト");
    const QStringList expected{"1: 1", "#+", "2: 2", "#="};
    ASSERT_EQ(view->childCount(), expected.size());
    for (int row = 0; row < expected.size(); ++row) {
        SCOPED_TRACE(row);
        QAccessibleInterface* line = view->child(row);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->role(), QAccessible::ListItem);
        EXPECT_EQ(line->text(QAccessible::Name), expected[row]);
        const QPoint middle = list()->viewport()->mapFromGlobal(line->rect().center());
        EXPECT_EQ(list()->indexAt(middle).row(), row) << "a reader's frame sits on its row";
    }

    selectLine(2);
    EXPECT_TRUE(view->child(2)->state().selected);
    EXPECT_FALSE(view->child(0)->state().selected);
    keys("4+");
    EXPECT_GT(list()->model()->rowCount(), expected.size());
    EXPECT_EQ(view->childCount(), list()->model()->rowCount()) << "new lines are read too";
}

TEST_F(PanelsTest, RecordingToggleStopsTheHistory) {
    auto* toggle = find<QPushButton>("sbtHE");
    EXPECT_EQ(toggle->text(), "○");
    click("sbtHE");
    EXPECT_EQ(toggle->text(), "×");
    keys("5+");
    EXPECT_TRUE(lines().isEmpty());
}

TEST_F(PanelsTest, ViewItemsAndShowAllOrNone) {
    action("mnuVM")->trigger();
    EXPECT_FALSE(find("pnlM")->isVisible());
    action("mnuVSB")->trigger();
    EXPECT_FALSE(find("stbMain")->isVisible());
    EXPECT_EQ(find("pnlC")->y(), 0);

    auto* popup = find<QMenu>("pmnMain");
    QStringList captions;
    for (QAction* item : popup->actions()) captions << item->text();
    EXPECT_EQ(captions, (QStringList{"AC", "", "メニュー表示", "全表示", "全非表示", "", "終了"}));
    action("pmnVN")->trigger();
    for (const char* name : {"pnlC", "pnlB", "pnlM", "pnlH", "pnlS"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(find(name)->isVisible());
    }
    action("pmnVA")->trigger();
    for (const char* name : {"stbMain", "pnlC", "pnlB", "pnlM", "pnlH", "pnlS"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(find(name)->isVisible());
    }
    EXPECT_FALSE(action("mnuVF")->isVisible()) << "an absent panel stays absent";
}

TEST_F(PanelsTest, PanelsAndTheirControlsHaveAccessibleNames) {
    for (const char* name : {"pnlM", "pnlH", "pnlS"}) {
        QWidget* panel = find(name);
        EXPECT_FALSE(panel->accessibleName().isEmpty()) << name;
        for (QWidget* control : panel->findChildren<QWidget*>()) {
            if (control->parent() != panel) continue;  // the lists' own scroll bars
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(a11y, nullptr);
            EXPECT_FALSE(a11y->text(QAccessible::Name).isEmpty())
                << control->objectName().toStdString();
        }
    }
    EXPECT_EQ(find("pnlM")->accessibleName(), "メモリパネル");
    EXPECT_EQ(find("lstHD")->accessibleName(), "履歴リスト");
}

GlobalSettings TwoSets() {
    GlobalSettings settings;
    settings.SectionList = {"Main", "Clock"};
    settings.LastSetIndex = 1;
    settings.Set = "Main";
    settings.SetTable[0].name = "Main";
    settings.SetTable[1].name = "Clock";
    settings.SetTable[1].Mode = 'T';
    settings.SetTable[1].Disp = "DB";
    return settings;
}

class SetMenuTest : public PanelsTest {
  protected:
    SetMenuTest() : PanelsTest(TwoSets()) {}
};

TEST_F(SetMenuTest, ChoosingASetLaysItOutAndEntersItsMode) {
    auto* sets = find<QMenu>("mnuOS");
    ASSERT_EQ(sets->actions().size(), 2);
    EXPECT_EQ(sets->actions()[0]->text(), "Main ");
    EXPECT_EQ(sets->actions()[1]->text(), "Clock ");
    EXPECT_TRUE(sets->actions()[0]->isChecked());
    sets->actions()[1]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.calculator().currentSetIndex(), 1);
    EXPECT_EQ(app.calculator().mode(), CalcMode::Time);
    EXPECT_FALSE(find("pnlM")->isVisible());
    EXPECT_FALSE(action("mnuVM")->isVisible());
    EXPECT_TRUE(sets->actions()[1]->isChecked());

    action("mnuVB")->trigger();
    EXPECT_FALSE(find("pnlB")->isVisible());
    action("mnuORS")->trigger();  // 再設定
    EXPECT_TRUE(find("pnlB")->isVisible());
}

}  // namespace
}  // namespace tavrik::ui
