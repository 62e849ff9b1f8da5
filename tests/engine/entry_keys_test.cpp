#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

using EntryKeysTest = testing::CalculatorTest;

TEST_F(EntryKeysTest, StartsClearedInTheStartMode) {
    start();
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(calc.state().entryState, kResultShown);
    EXPECT_EQ(calc.status().panel(1), "10進");
}

TEST_F(EntryKeysTest, DecimalEntrySequences) {
    struct Case {
        const char* keys;
        const char* display;
        int entryState;
    };
    const Case cases[] = {
        {"007", "7", 1},      {"R5", "-5", 1},     {"5X", "0", 0},   {"5RX", "0", 0},
        {"1PX", "1", 1},      {"T", "0", 0},       {"0T", "0", 1},   {"1T", "1000", 1},
        {"12P5P", "12.5", 1}, {"P", "0.", 1},      {"1+P", "0.", 3}, {"1+2G", "0", 2},
        {"12G", "0", 0},      {"1P05", "1.05", 1}, {"1PX", "1", 1},  {"12Z", "0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        start();
        calc.PushBBtn(kAllClear);
        keys(c.keys);
        EXPECT_EQ(display(), c.display);
        EXPECT_EQ(calc.state().entryState, c.entryState);
    }
}

TEST_F(EntryKeysTest, PointStartsANewNumberWhateverTheDisplayHolds) {
    start();
    keys("P1+P2=");
    EXPECT_EQ(display(), "0.3");
    keys("P");
    EXPECT_EQ(display(), "0.") << "a result holding a point is no number being typed";
    EXPECT_EQ(calc.state().entryState, kFirstOperand);
}

TEST_F(EntryKeysTest, GroupingWhileTyping) {
    start();
    calc.setGrouping(true);
    keys("1234567");
    EXPECT_EQ(display(), "1,234,567");
    keys("X");
    EXPECT_EQ(display(), "1,234,56") << "backspace does not regroup";
    keys("T");
    EXPECT_EQ(display(), "123,456,000");
}

// The window's "桁区切" menu keeps its own check when the settings dialog
// edits KK3; the console, without that menu, lets grouping follow KK3.
TEST_F(EntryKeysTest, EditedKK3GroupsOnlyWithoutAMenuCheck) {
    using Check = Calculator::GroupingCheck;
    for (const auto& [check, grouped] :
         {std::pair{Check::OwnMenu, false}, {Check::FollowsKK3, true}}) {
        start();
        calc.setGrouping(false);
        GlobalSettings edited = calc.settings();
        edited.KK3 = true;
        calc.applyEditedSettings(std::move(edited), calc.currentSetIndex(), check);
        EXPECT_EQ(calc.grouping(), grouped);
        keys("1234");
        EXPECT_EQ(display(), grouped ? "1,234" : "1234");
    }
}

TEST_F(EntryKeysTest, DigitsStopAtTheDisplayWidth) {
    start();
    keys(std::string(30, '9'));
    EXPECT_EQ(display(), std::string(23, '9'));
    EXPECT_GT(view.beeps, 0);
}

TEST_F(EntryKeysTest, CrAfterAResultKeepsTheAccumulator) {
    start();
    keys("2+3=G+1=");
    EXPECT_EQ(display(), "6");
}

TEST_F(EntryKeysTest, AcLinesNeverRepeatAndNeverStartTheList) {
    start();
    keys("ZZ");
    EXPECT_TRUE(historyLines().empty());
    keys("1+2=ZZ");
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 1", "#+", "2: 2", "#=", "--- AC ---"}));
}

TEST_F(EntryKeysTest, KeyTraceCollectsEveryCode) {
    start();
    const std::string before = calc.log().pendingKeyTrace();
    keys("1+2=");
    EXPECT_EQ(calc.log().pendingKeyTrace().substr(before.size()), "|2|19|3|23");
}

TEST_F(EntryKeysTest, MixedModeWordLimits) {
    start();
    calc.setGeometry(DisplayGeometry{25, 1, 8});
    calc.switchMode(CalcMode::Mixed);
    keys("O");
    keys("FFFFFFFF");
    EXPECT_EQ(display(), "h FFFFFFFF");
    const int beeps = view.beeps;
    keys("F");
    EXPECT_EQ(display(), "h FFFFFFFF");
    EXPECT_EQ(view.beeps, beeps + 1);
    keys("Z");
    keys("I");
    keys("9999999999");
    EXPECT_EQ(display(), "d 999999999");
}

TEST_F(EntryKeysTest, HexDigitsNeedTheHexRadix) {
    start(CalcMode::Mixed);
    keys("AB");
    EXPECT_EQ(display(), "d 0");
    keys("O");
    keys("A");
    EXPECT_EQ(display(), "h A");
    keys("Z0A");
    EXPECT_EQ(display(), "h 0A");
}

TEST_F(EntryKeysTest, RadixKeysReexpressTheDisplay) {
    start(CalcMode::Mixed);
    keys("255O");
    EXPECT_EQ(display(), "h FF");
    EXPECT_TRUE(calc.keypad()[kTaxOut].underlined);
    keys("I");
    EXPECT_EQ(display(), "d 255");
    EXPECT_TRUE(calc.keypad()[kTaxIn].underlined);
}

TEST_F(EntryKeysTest, CopyPutsHexMarkersAroundHexValues) {
    calc.editSettings([&](GlobalSettings& s) { s.HexB = "0x"; });
    start(CalcMode::Mixed);
    keys("O1F");
    keys("V");
    EXPECT_EQ(view.clipboard, "0x1F");
    keys("I");
    keys("V");
    EXPECT_EQ(view.clipboard, "31");
}

TEST_F(EntryKeysTest, NonMathErrorsShowTheBoxAndClear) {
    start();
    keys("12");
    calc.PushBBtn(250);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].rfind("*** エラー ***\r\n", 0), 0u);
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(calc.state().entryState, kResultShown);
}

TEST_F(EntryKeysTest, AKeyCountsOnceWhenReleasedAfterItsOwnKeyDown) {
    calc.editSettings([](GlobalSettings& s) { s.Keys[kShiftKeyOffset + 187] = "++++"; });
    start();
    calc.keyDown(49, 0);
    calc.keyUp(49);
    calc.keyUp(49);
    EXPECT_EQ(display(), "1") << "a second release has no key-down left";
    calc.keyDown(187, kShiftKey);
    calc.keyUp(16);
    calc.keyUp(187);
    EXPECT_EQ(display(), "1") << "the modifiers of the key-down choose the entry";
    EXPECT_EQ(calc.state().pendingOperator, 19);
    calc.keyDown(51, 0);
    calc.keyUp(52);
    calc.forgetKeyDown();
    calc.keyUp(51);
    EXPECT_EQ(display(), "1");
    // Fast typing: the next key goes down before the last one comes up.
    calc.keyDown(52, 0);
    calc.keyDown(53, 0);
    calc.keyUp(52);
    calc.keyUp(53);
    EXPECT_EQ(display(), "45") << "overlapping keys each count at their own release";
}

TEST_F(EntryKeysTest, KeyTableEntriesChooseCtrlShiftAndPlain) {
    calc.editSettings([](GlobalSettings& s) {
        s.Keys[65] = "1111";
        s.Keys[kShiftKeyOffset + 65] = "2222";
        s.Keys[kCtrlKeyOffset + 66] = "333";  // not 4 characters: unusable
        s.Keys[66] = "4444";
        s.Keys[67] = "55555";
        s.Keys[kCtrlKeyOffset + 68] = "7777";
        s.Keys[kShiftKeyOffset + 68] = "8888";
    });
    start();
    const auto tap = [&](int vk, unsigned mods) {
        calc.keyDown(vk, mods);
        calc.keyUp(vk);
    };
    tap(65, kCtrlKey);
    EXPECT_EQ(display(), "1") << "an empty Ctrl entry falls back to the plain one";
    tap(65, kCtrlKey | kShiftKey);
    EXPECT_EQ(display(), "12") << "then to the Shift entry when Shift is held";
    tap(66, kCtrlKey);
    EXPECT_EQ(display(), "124") << "a 3-character entry is not used";
    tap(67, 0);
    EXPECT_EQ(display(), "124") << "a 5-character entry produces no code";
    tap(68, kCtrlKey | kShiftKey);
    EXPECT_EQ(display(), "1247") << "with both held and both assigned, Ctrl wins";
}

TEST_F(EntryKeysTest, KeyTableCharacterFollowsTheMode) {
    calc.editSettings([&](GlobalSettings& s) { s.Keys[70] = "5 AF"; });
    start(CalcMode::Mixed);
    calc.keyDown(70, 0);
    calc.keyUp(70);
    EXPECT_EQ(display(), "d 0") << "a blank assigns nothing in that mode";
}

}  // namespace
}  // namespace tavrik
