#include "history/kept_state.h"
#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

class UnaryStepTest : public testing::CalculatorTest {
  protected:
    void withTax(int tax, int taxRound) {
        calc.editSettings([&](GlobalSettings& s) { s.Tax = tax; });
        calc.editSettings([&](GlobalSettings& s) { s.TaxRound = taxRound; });
        start();
    }
    // Types the number (with "+/-" for a leading "-") then the tax key.
    std::string tax(std::string_view number, char key) {
        calc.PushBBtn(kAllClear);
        const bool negative = number.front() == '-';
        keys(negative ? number.substr(1) : number);
        if (negative) keys("R");
        keys(std::string(1, key));
        return display();
    }
};

TEST_F(UnaryStepTest, TaxRoundingModes) {
    struct Case {
        int tax, round;
        const char* number;
        char key;
        const char* result;
    };
    const Case cases[] = {
        {8, 1, "100", 'I', "108"},  {8, 1, "108", 'O', "100"},  {8, 1, "99", 'I', "107"},
        {8, 3, "99", 'I', "107"},   {8, 3, "101", 'I', "109"},  {8, 0, "99", 'I', "106.92"},
        {8, 2, "99", 'I', "106"},   {8, 1, "-99", 'I', "-107"}, {8, 2, "-99", 'I', "-107"},
        {8, 3, "-99", 'I', "-106"}, {5, 0, "5", 'I', "5.25"},   {10, 2, "-1P2", 'O', "-1"},
        {0, 2, "-1P2", 'I', "-2"},  {0, 2, "-1P05", 'I', "-1"}, {0, 3, "1P05", 'I', "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.number) + c.key);
        withTax(c.tax, c.round);
        EXPECT_EQ(tax(c.number, c.key), c.result);
    }
}

TEST_F(UnaryStepTest, TaxResultIsTakenAsTheFirstOperand) {
    withTax(5, 0);
    keys("5I+1=");
    EXPECT_EQ(display(), "6.25");
    EXPECT_EQ(historyLines(),
              (std::vector<std::string>{"1: 5", "#F33 (税込)", "#+", "2: 1", "#="}));
}

TEST_F(UnaryStepTest, SignKeyWritesNoValueLineAndKeepsTyping) {
    start();
    keys("12R3");
    EXPECT_EQ(display(), "-123");
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"#F25 (+/-)"}));
    EXPECT_EQ(calc.status().panel(StatusPart::Operation), "+/-");
}

TEST_F(UnaryStepTest, FunctionKeysApplyOneAndTwoOperandFunctions) {
    calc.editSettings([](GlobalSettings& s) {
        s.F[0] = 101;  // square root on key A
        s.F[1] = 139;  // power on key B (two operands)
        s.F[2] = 127;  // factorial on key C
        s.FT[1] = "√";
    });
    start();
    EXPECT_EQ(calc.keypad()[11].caption, "√");
    EXPECT_EQ(calc.keypad()[12].caption, "f139");
    EXPECT_EQ(calc.keypad()[11].code, 101);
    calc.PushBBtn(kAllClear);
    keys("16");
    calc.PushBBtn(101);
    EXPECT_EQ(display(), "4");
    keys("+1=");
    EXPECT_EQ(display(), "5");
    calc.PushBBtn(kAllClear);
    keys("2");
    calc.PushBBtn(139);
    keys("10=");
    EXPECT_EQ(display(), "1024");
    calc.PushBBtn(kAllClear);
    keys("3R");
    calc.PushBBtn(127);
    EXPECT_EQ(calc.status().strip(), "範囲外パラメータ");
    EXPECT_EQ(display(), "-3");
}

TEST_F(UnaryStepTest, ExchangeTwiceRestoresBothTexts) {
    start();
    keys("12+34");
    calc.PushBBtn(kExchange);
    const std::string first = display();
    calc.PushBBtn(kExchange);
    EXPECT_EQ(display(), "34");
    EXPECT_NE(first, "34");
}

TEST_F(UnaryStepTest, EmptyFunctionKeysAreDisabled) {
    start();
    for (int tag = 11; tag <= 16; ++tag) {
        EXPECT_FALSE(calc.keypad()[tag].enabled);
        EXPECT_EQ(calc.keypad()[tag].code, kNoFunction);
    }
}

using MemoryTest = testing::CalculatorTest;

TEST_F(MemoryTest, AddingAndRecalling) {
    start();
    keys("5H3HK");
    EXPECT_EQ(display(), "8");
    EXPECT_EQ(calc.memory().texts[0], "8");
    keys("1");
    EXPECT_EQ(display(), "81") << "a recalled value counts as typed";
}

TEST_F(MemoryTest, AnEntryAfterMemoryAddStartsANewFirstOperand) {
    // M+ leaves no operation pending: what follows it, recalled or typed,
    // is the first operand of the next operation.
    const std::pair<const char*, const char*> cases[] = {
        {"L5H3HK+1=", "9"},
        {"L5HK+1=", "6"},
        {"L5HP5+1=", "1.5"},
        {"L5H3H", "3"},
    };
    for (const auto& [typed, shown] : cases) {
        SCOPED_TRACE(typed);
        start();
        keys(typed);
        EXPECT_EQ(display(), shown);
    }
    start();
    keys("L5H");
    calc.recallMemory(0);
    keys("*2=");
    EXPECT_EQ(display(), "10");
}

TEST_F(MemoryTest, MemoryAddCompletesAPendingOperation) {
    start();
    keys("2+3H");
    EXPECT_EQ(display(), "5");
    EXPECT_EQ(calc.memory().texts[0], "5");
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 2", "#+", "2: 3", "#="}));
}

TEST_F(MemoryTest, SubtractClearAndSelect) {
    start();
    calc.selectMemory(2);
    EXPECT_STREQ(calc.memory().storeCaption(2), "■");
    EXPECT_STREQ(calc.memory().storeCaption(0), ">");
    keys("4J");
    EXPECT_EQ(calc.memory().texts[2], "-4");
    keys("L");
    EXPECT_EQ(calc.memory().texts[2], "0");
    EXPECT_EQ(calc.memory().texts[0], "0");
}

TEST_F(MemoryTest, RegistersCrossModesWhenTheTextFits) {
    start();
    keys("42");
    calc.storeMemory(1);
    calc.switchMode(CalcMode::Mixed);
    calc.recallMemory(1);
    EXPECT_EQ(display(), "d 42");
    keys("L");
    EXPECT_EQ(calc.memory().texts[0], "0");
    calc.switchMode(CalcMode::Decimal);
    keys("Z1234P5");
    calc.storeMemory(2);
    calc.switchMode(CalcMode::Mixed);
    calc.recallMemory(2);
    EXPECT_EQ(display(), "d 1234") << "a fraction is no mixed-mode text";
    keys("+");
    EXPECT_EQ(view.beeps, 0);
    KeptState kept = calc.keptState();
    kept.memory[3] = "1e300";
    calc.restoreKeptState(kept);
    calc.recallMemory(3);
    EXPECT_EQ(view.beeps, 1) << "too large for the word";
}

TEST_F(MemoryTest, TimeAndDateModesStoreOnMemoryAddAndIgnoreMemorySubtract) {
    start(CalcMode::Time);
    keys("1D");
    keys("J");
    EXPECT_EQ(calc.memory().texts[0], "0");
    keys("H");
    EXPECT_EQ(calc.memory().texts[0], "1時");
    calc.switchMode(CalcMode::Date);
    keys("2A");
    keys("J");
    EXPECT_EQ(calc.memory().texts[0], "1時");
    EXPECT_EQ(display(), "2年");
    keys("H");
    EXPECT_EQ(calc.memory().texts[0], "2年");
}

TEST_F(MemoryTest, PlainNumbersFitEveryMode) {
    start();
    keys("7");
    calc.storeMemory(0);
    calc.switchMode(CalcMode::Time);
    keys("K");
    EXPECT_EQ(display(), "7") << "a plain number fits every mode";
}

using HistoryNumberingTest = testing::CalculatorTest;

TEST_F(HistoryNumberingTest, NumberingCodes) {
    struct Case {
        int code;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {0, {"1: 5", "#+", "2: 3", "#=", "--- AC ---", "1: 1", "#+"}},
        {1, {"1: 5", "2: #+", "3: 3", "4: #=", "--- AC ---", "1: 1", "2: #+"}},
        {2, {"1: 5", "#+", "2: 3", "#=", "--- AC ---", "1: 1", "#+"}},
        {11, {"1: 5", "2: #+", "3: 3", "4: #=", "--- AC ---", "5: 1", "6: #+"}},
        {12, {"1: 5", "#+", "2: 3", "#=", "--- AC ---", "3: 1", "#+"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        testing::RecordingView freshView;
        Calculator fresh(freshView, clock);
        fresh.editSettings(
            [&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].LNoTypeH = c.code; });
        fresh.start();
        for (int code : {6, 19, 4, 23, 31, 2, 19}) fresh.PushBBtn(code);
        const auto& lines = fresh.history().current().lines;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), c.lines);
    }
}

TEST_F(HistoryNumberingTest, LimitRefusesLinesWithAMessage) {
    calc.editSettings([&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].MaxLineH = 6; });
    start();
    keys("1+2+3+4+");
    EXPECT_EQ(historyLines().size(), 6u);
    ASSERT_FALSE(view.boxes.empty());
    EXPECT_EQ(view.boxes.back(), "履歴数が最大値に達しています");
    EXPECT_EQ(display(), "10") << "the calculation goes on";
}

TEST_F(HistoryNumberingTest, SmallLimitsMeanNoLimitAndRecordingOffIsSilent) {
    calc.editSettings([&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].MaxLineH = 5; });
    start();
    keys("1+2+3+4+5=");
    EXPECT_EQ(historyLines().size(), 10u);
    calc.toggleRecording();
    keys("1+1=");
    EXPECT_EQ(historyLines().size(), 10u);
    EXPECT_TRUE(view.boxes.empty());
}

TEST_F(HistoryNumberingTest, EachModeKeepsItsOwnListAndCounter) {
    start();
    keys("5+");
    calc.switchMode(CalcMode::Mixed);
    keys("7+");
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: d 7", "#+"}));
    calc.switchMode(CalcMode::Decimal);
    keys("3=");
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 5", "#+", "--- AC ---", "1: 3", "#="}));
}

TEST_F(HistoryNumberingTest, SelectionStaysWhenLinesAreAdded) {
    start();
    keys("1+2=");
    calc.selectHistoryLine(1);
    keys("3+");
    EXPECT_EQ(calc.history().current().selected, 1);
}

}  // namespace
}  // namespace tavrik
