// The memory, history list and history operation panels, their arrangement
// from `Disp`, the "表示" menu, the main pop-up menu and the set menu, driven
// as a user drives them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "cli/console.h"
#include "settings/key_codes.h"
#include "settings/panel_kinds.h"
#include "settings/setting_ranges.h"
#include "support/two_sets.h"
#include "ui/panels/button_panel.h"
#include "ui/panels/layout_scale.h"
#include "ui/panels/uniform_list_view.h"
#include "ui/settings_dialog/settings_dialog.h"
#include "ui/window/calculator_app.h"
#include "ui/window/main_window.h"

namespace tavrik::ui {
namespace {

// The container of a panel letter.
QString PanelName(char letter) {
    return letter == 'D' ? QStringLiteral("pnlC") : QStringLiteral("pnl") + QChar(letter);
}

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
    const char* column;  // the first column, top to bottom
    bool recording;
};

void PrintTo(const PresenceCase& c, std::ostream* out) {
    *out << c.disp;
}

// The set in force is a loaded one, so that the dialog has its pages.
GlobalSettings OneSet(const char* disp) {
    GlobalSettings settings;
    settings.SectionList = {"Main"};
    settings.LastSetIndex = 0;
    settings.Set = "Main";
    settings.SetTable[0].name = "Main";
    settings.SetTable[0].Disp = disp;
    return settings;
}

// The window and the settings dialog read `Disp` alike: the panels the
// window shows are the ones the dialog checks, and an untouched OK keeps
// the text.
class PanelPresenceTest : public ::testing::TestWithParam<PresenceCase> {};

TEST_P(PanelPresenceTest, WindowAndDialogReadDispAlike) {
    const PresenceCase& c = GetParam();
    CalculatorApp app(OneSet(c.disp));
    MainWindow& window = app.window();
    window.show();
    const auto check = [&](const char* letters, bool built, bool shown) {
        for (const char* l = letters; *l; ++l) {
            SCOPED_TRACE(std::string(c.disp) + " panel " + *l);
            auto* panel = window.findChild<QWidget*>(PanelName(*l));
            auto* item = window.findChild<QAction*>(QStringLiteral("mnuV") + QChar(*l));
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

    // Each panel of the first column once, right below the one before.
    int top = window.findChild<QWidget*>("stbMain")->height();
    for (const char* l = c.column; *l; ++l) {
        const QWidget* panel = window.findChild<QWidget*>(PanelName(*l));
        EXPECT_EQ(panel->x(), 0) << c.disp << " panel " << *l;
        EXPECT_EQ(panel->y(), top) << c.disp << " panel " << *l;
        top += panel->height();
    }
    if (!std::strchr(c.disp, '/')) {
        EXPECT_EQ(window.centralWidget()->height(), top) << c.disp;
    }

    SettingsDialog& dialog = window.settingsDialog();
    dialog.activate();
    dialog.show();
    dialog.tree()->setCurrentItem(dialog.tree()->topLevelItem(1)->child(0));
    const auto* list = dialog.findChild<QListWidget*>("clbDisp");
    for (const PanelKindInfo& info : kPanelKinds) {
        const QString caption = QString::fromUtf8(info.caption.data(), info.caption.size());
        const QList<QListWidgetItem*> items = list->findItems(caption, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << c.disp << " panel " << info.letter;
        EXPECT_EQ(items[0]->checkState() == Qt::Checked,
                  std::strchr(c.shown, info.letter) != nullptr)
            << c.disp << " panel " << info.letter;
    }
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    EXPECT_EQ(app.calculator().settings().SetTable[0].Disp, c.disp);
}

INSTANTIATE_TEST_SUITE_P(Disp, PanelPresenceTest,
                         ::testing::Values(PresenceCase{"DBM/FSH", "DBMFSH", "", "", "DBM", true},
                                           PresenceCase{"dBM/SH", "BMSH", "D", "F", "BM", true},
                                           PresenceCase{"BM", "BM", "", "DHSF", "BM", false},
                                           PresenceCase{"DBMS", "DBM", "", "HSF", "DBM", false},
                                           PresenceCase{"DBM/sH", "DBMH", "S", "F", "DBM", false},
                                           PresenceCase{"dD", "D", "", "BMHSF", "D", false},
                                           PresenceCase{"DBD", "DB", "", "MHSF", "DB", false},
                                           PresenceCase{"Dd/bx", "D", "B", "MHSF", "D", false},
                                           PresenceCase{"D?B", "DB", "", "MHSF", "DB", false}),
                         [](const ::testing::TestParamInfo<PresenceCase>& info) {
                             std::string name;
                             for (const char* c = info.param.disp; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name + "_" + std::to_string(info.index);
                         });

// The console lays out the display in cells; the window in pixels. Both give
// the calculator the same hexadecimal word size.
TEST(DisplayGeometryTest, WindowAndConsoleAgreeOnHexWords) {
    for (const int digitsD : {0, 5, 18, 19}) {
        SCOPED_TRACE(digitsD);
        GlobalSettings settings;
        settings.SetTable[kDefaultSetSlot].DigitsD = digitsD;
        CalculatorApp app(std::move(settings));
        app.window().show();
        std::ostringstream out;
        cli::Console console(out, std::nullopt);
        console.run("set DigitsD=" + std::to_string(digitsD));
        const int hexWidth = app.calculator().values().rules.geometry.hexWidth;
        EXPECT_EQ(hexWidth, console.calculator().values().rules.geometry.hexWidth);
        EXPECT_EQ(hexWidth, digitsD == 18 || digitsD == 5 ? 8 : 16)
            << "the strip across the window holds more than 18 digits";
    }
}

// The console's display is `DigitsD` + 2 cells, a small `DigitsD` counting
// as 10, as the window's counts it in digit widths; 0 gives the 25-cell strip.
TEST(DisplayGeometryTest, ConsoleDisplayIsDigitsPlusTwoCells) {
    const std::pair<int, int> cases[] = {{0, 25},  {1, 12},  {5, 12}, {9, 12},
                                         {10, 12}, {18, 20}, {19, 21}};
    for (const auto& [digitsD, cells] : cases) {
        std::ostringstream out;
        cli::Console console(out, std::nullopt);
        console.run("set DigitsD=" + std::to_string(digitsD));
        EXPECT_EQ(console.calculator().values().rules.geometry.displayWidth, cells) << digitsD;
    }
}

TEST(HistoryPanelLayoutTest, FixedLineCountKeepsTheColumnGoing) {
    CalculatorApp app(WithDisp("DH/B", 5));
    app.window().show();
    auto* history = app.window().findChild<QWidget*>("pnlH");
    auto* list = app.window().findChild<QWidget*>("lstHD");
    const int pitch = app.calculator().currentSet().Pitch;
    EXPECT_EQ(list->height(), 5 * QFontMetrics(list->font()).height() + 3);
    EXPECT_EQ(history->height(), list->height() + 2 * pitch);
    EXPECT_GT(app.window().findChild<QWidget*>("pnlB")->x(), 0) << "the '/' starts a column";

    // Taller than the screen, the list is shown whole at the zoom that fits.
    CalculatorApp tall(WithDisp("H", 5 * kPanelLinesRange.max));
    auto* tallList = tall.window().findChild<QWidget*>("lstHD");
    const int lineHeight = QFontMetrics(list->font()).height();
    EXPECT_NEAR(tallList->height(),
                LayoutScale(tall.window().zoom()).length(kPanelLinesRange.max * lineHeight + 3), 1)
        << "as many lines as the settings dialog offers";

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

GlobalSettings MainAndClock() {
    GlobalSettings settings = TwoSets("Main", "Clock");
    settings.SetTable[1].Mode = 'T';
    settings.SetTable[1].Disp = "DB";
    return settings;
}

class SetMenuTest : public PanelsTest {
  protected:
    SetMenuTest() : PanelsTest(MainAndClock()) {}
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
