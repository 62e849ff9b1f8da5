#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

using EntryKeysTest = testing::CalculatorTest;

TEST_F(EntryKeysTest, StartsClearedInTheStartMode) {
    start();
    EXPECT_EQ(display(), "0");
    EXPECT_EQ(calc.state().entry.state(), EntryState::ResultShown);
    EXPECT_EQ(calc.status().panel(StatusPart::Mode), "10進");
}

TEST_F(EntryKeysTest, DecimalEntrySequences) {
    using enum EntryState;
    struct Case {
        const char* keys;
        const char* display;
        EntryState entryState;
    };
    const Case cases[] = {
        {"007", "7", FirstOperand}, {"R5", "-5", FirstOperand},     {"5X", "0", ResultShown},
        {"5RX", "0", ResultShown},  {"1PX", "1", FirstOperand},     {"T", "0", ResultShown},
        {"0T", "0", FirstOperand},  {"1T", "1000", FirstOperand},   {"12P5P", "12.5", FirstOperand},
        {"P", "0.", FirstOperand},  {"1+P", "0.", SecondOperand},   {"1+2G", "0", OperatorPending},
        {"12G", "0", ResultShown},  {"1P05", "1.05", FirstOperand}, {"1PX", "1", FirstOperand},
        {"12Z", "0", ResultShown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        start();
        calc.PushBBtn(kAllClear);
        keys(c.keys);
        EXPECT_EQ(display(), c.display);
        EXPECT_EQ(calc.state().entry.state(), c.entryState);
    }
}

TEST_F(EntryKeysTest, PointStartsANewNumberWhateverTheDisplayHolds) {
    start();
    keys("P1+P2=");
    EXPECT_EQ(display(), "0.3");
    keys("P");
    EXPECT_EQ(display(), "0.") << "a result holding a point is no number being typed";
    EXPECT_EQ(calc.state().entry.state(), EntryState::FirstOperand);
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

TEST_F(EntryKeysTest, GroupingCheckRewritesTheValueShown) {
    start();
    keys("1234567");
    calc.setGrouping(true);
    EXPECT_EQ(display(), "1,234,567");
    calc.setGrouping(false);
    EXPECT_EQ(display(), "1234567");
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
    EXPECT_EQ(calc.state().entry.state(), EntryState::ResultShown);
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
    calc.pressKeyboardKey(65, kCtrlKey);
    EXPECT_EQ(display(), "1") << "an empty Ctrl entry falls back to the plain one";
    calc.pressKeyboardKey(65, kCtrlKey | kShiftKey);
    EXPECT_EQ(display(), "12") << "then to the Shift entry when Shift is held";
    calc.pressKeyboardKey(66, kCtrlKey);
    EXPECT_EQ(display(), "124") << "a 3-character entry is not used";
    calc.pressKeyboardKey(67, 0);
    EXPECT_EQ(display(), "124") << "a 5-character entry produces no code";
    calc.pressKeyboardKey(68, kCtrlKey | kShiftKey);
    EXPECT_EQ(display(), "1247") << "with both held and both assigned, Ctrl wins";
}

TEST_F(EntryKeysTest, KeyTableCharacterFollowsTheMode) {
    calc.editSettings([&](GlobalSettings& s) { s.Keys[70] = "5 AF"; });
    start(CalcMode::Mixed);
    calc.pressKeyboardKey(70, 0);
    EXPECT_EQ(display(), "d 0") << "a blank assigns nothing in that mode";
}

// The reduced-rate tax keys and 税額 are reached through the key table.
TEST_F(EntryKeysTest, KeyTableAssignsTheReducedRateTaxKeys) {
    calc.editSettings([&](GlobalSettings& s) {
        s.TaxRound = 2;
        s.Keys[87] = "W   ";
        s.Keys[89] = "Y   ";
        s.Keys[85] = "U   ";
    });
    start();
    for (const int digit : {1, 0, 0, 0}) calc.PushBBtn(DigitCode(digit));
    calc.pressKeyboardKey(87, 0);
    EXPECT_EQ(display(), "1080");
    calc.pressKeyboardKey(85, 0);
    EXPECT_EQ(display(), "80");
    calc.pressKeyboardKey(89, 0);
    EXPECT_EQ(display(), "74");
}

}  // namespace
}  // namespace tavrik
