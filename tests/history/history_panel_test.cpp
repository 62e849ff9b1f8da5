#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

using HistoryPanelTest = testing::CalculatorTest;

// The "時" key of time mode.
constexpr int kHourKey = 14;

TEST_F(HistoryPanelTest, ReplayWithMoveDownReproducesTheResult) {
    start();
    const std::pair<const char*, const char*> calculations[] = {
        {"5+3=", "8"}, {"9-4=", "5"}, {"6*7=", "42"}, {"8/2=", "4"}};
    for (const auto& [typed, result] : calculations) {
        SCOPED_TRACE(typed);
        calc.clearHistory();
        keys(typed);
        keys("Z");
        calc.selectHistoryLine(0);
        for (int i = 0; i < 4; ++i) calc.replayHistoryLine();
        EXPECT_EQ(display(), result);
        EXPECT_EQ(calc.history().current().selected, 4);
    }
}

TEST_F(HistoryPanelTest, ReplayWithoutMoveDownStaysOnTheLine) {
    start();
    keys("5+3=");
    calc.setHistoryMoveDown(false);
    calc.selectHistoryLine(0);
    calc.replayHistoryLine();
    calc.replayHistoryLine();
    EXPECT_EQ(display(), "5") << "a replayed value replaces the display";
    EXPECT_EQ(calc.history().current().selected, 0);
}

TEST_F(HistoryPanelTest, ReplayPressesThePercentKey) {
    start();
    keys("200*15%");
    const std::string shown = display();
    const auto lines = historyLines();
    ASSERT_EQ(lines.back(), "#%");
    keys("Z");
    calc.selectHistoryLine(0);
    for (std::size_t i = 0; i < lines.size(); ++i) calc.replayHistoryLine();
    EXPECT_EQ(display(), shown);
}

TEST_F(HistoryPanelTest, MoveDownStopsAtTheLastLine) {
    start();
    keys("5+3=");
    calc.setRecording(false);  // the replayed "=" adds no line below
    calc.selectHistoryLine(2);
    calc.replayHistoryLine();
    calc.replayHistoryLine();
    EXPECT_EQ(calc.history().current().selected, 3) << "no line below the last to move to";
}

TEST_F(HistoryPanelTest, ReplayPressesFunctionLines) {
    start();
    keys("4R");
    calc.selectHistoryLine(0);
    calc.replayHistoryLine();
    EXPECT_EQ(display(), "4");
}

TEST_F(HistoryPanelTest, AcLinesAreNeitherDeletedNorReplayed) {
    start();
    keys("5+Z");
    calc.selectHistoryLine(2);
    calc.deleteHistoryLine();
    calc.replayHistoryLine();
    EXPECT_EQ(historyLines().size(), 3u);
    EXPECT_EQ(display(), "0");
}

TEST_F(HistoryPanelTest, DeletingTidiesAcLines) {
    struct Case {
        const char* keys;
        int select;
        std::vector<std::string> after;
        int selected;
    };
    const std::vector<Case> cases = {
        // the only value line between two AC lines: the second AC line goes too
        {"5+Z6=Z7=", 3, {"1: 5", "#+", "--- AC ---", "#=", "--- AC ---", "1: 7", "#="}, 3},
        {"5=Z6=Z", 3, {"1: 5", "#=", "--- AC ---", "#=", "--- AC ---"}, 3},
        // the first lines: an AC line left on top is deleted
        {"5=Z6=", 0, {"#=", "--- AC ---", "1: 6", "#="}, 0},
        // the last line: the selection ends on the new last line
        {"5=", 1, {"1: 5"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        start();
        calc.clearHistory();
        calc.PushBBtn(kAllClear);
        keys(c.keys);
        calc.selectHistoryLine(c.select);
        calc.deleteHistoryLine();
        EXPECT_EQ(historyLines(), c.after);
        EXPECT_EQ(calc.history().current().selected, c.selected);
    }
}

TEST_F(HistoryPanelTest, AcLineLeftOnTopOrTwiceInARowIsDeleted) {
    start();
    keys("5+Z6+Z");
    calc.selectHistoryLine(3);
    calc.deleteHistoryLine();
    calc.selectHistoryLine(3);
    calc.deleteHistoryLine();
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 5", "#+", "--- AC ---"}));
    calc.selectHistoryLine(0);
    calc.deleteHistoryLine();
    calc.selectHistoryLine(0);
    calc.deleteHistoryLine();
    EXPECT_TRUE(historyLines().empty());
}

TEST_F(HistoryPanelTest, ClearRestartsNumberingOfTheCurrentModeOnly) {
    start();
    keys("5+");
    calc.switchMode(CalcMode::Time);
    const auto hoursPlus = [&](const char* digit) {
        keys(digit);
        calc.PushBBtn(kHourKey);
        keys("+");
    };
    hoursPlus("3");
    calc.clearHistory();
    hoursPlus("4");
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 4時", "#+"}));
    calc.switchMode(CalcMode::Decimal);
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 5", "#+", "--- AC ---"}));
}

TEST_F(HistoryPanelTest, RecordingSwitchClearsTheSelection) {
    start();
    keys("5+");
    calc.selectHistoryLine(1);
    calc.toggleRecording();
    EXPECT_FALSE(calc.history().recording());
    EXPECT_EQ(calc.history().current().selected, -1);
    keys("3=");
    EXPECT_EQ(historyLines().size(), 2u);
}

}  // namespace
}  // namespace tavrik
