#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "history/kept_state.h"
#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

using testing::CalculatorTest;

class PasteTest : public CalculatorTest {
  protected:
    PasteTest() { start(); }

    // Ctrl+V with the starter file's assignment.
    void ctrlV() { calc.pressKeyboardKey(86, kCtrlKey); }
};

TEST_F(PasteTest, EntersANumberAsTyped) {
    calc.editSettings([](GlobalSettings& s) { s.Keys[kCtrlKeyOffset + 86] = "QQQQ"; });
    keys("12+");
    view.clipboard = "1,234.5";
    ctrlV();
    EXPECT_EQ(display(), "1234.5");
    EXPECT_EQ(calc.state().entry.state(), EntryState::SecondOperand);
    keys("=");
    EXPECT_EQ(display(), "1246.5");
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 12", "#+", "2: 1234.5", "#="}));
}

TEST_F(PasteTest, ReplacesTheNumberBeingTypedAndTypingGoesOn) {
    keys("99");
    calc.pasteText("5");
    keys("0");
    EXPECT_EQ(display(), "50");
    EXPECT_EQ(calc.state().entry.state(), EntryState::FirstOperand);
}

TEST_F(PasteTest, APastedDateTakesADurationAsATypedOneDoes) {
    start(CalcMode::Date);
    calc.pasteText("2024/5/3");
    keys("+1C");
    EXPECT_EQ(display(), "1日");
    keys("=");
    EXPECT_EQ(display(), "c 2024年5月4日");
}

TEST_F(PasteTest, ARefusalKeepsTheDisplayAndSaysWhy) {
    keys("7");
    calc.pasteText("1\n2");
    EXPECT_EQ(display(), "7");
    EXPECT_EQ(calc.status().strip(), "複数の値は貼り付けられません");
    EXPECT_EQ(view.beeps, 1);
    calc.pasteText("8");
    EXPECT_EQ(calc.status().strip(), "") << "a good paste clears the message";
}

TEST_F(PasteTest, AKeyTableWithoutThePasteCodeKeepsCtrlVAsBefore) {
    calc.editSettings([](GlobalSettings& s) { s.Keys[86] = "VVVV"; });
    view.clipboard = "5";
    ctrlV();
    EXPECT_EQ(display(), "0") << "no Ctrl entry: the plain V entry (Cb) acts";
    EXPECT_EQ(view.clipboard, "0");
}

TEST_F(PasteTest, PlainNumberCopyByMode) {
    calc.setGrouping(true);
    keys("1234567P5");
    calc.copyPlainNumber();
    EXPECT_EQ(view.clipboard, "1234567.5");
    keys("V");
    EXPECT_EQ(view.clipboard, "1,234,567.5") << "Cb copies the display as shown";
    calc.switchMode(CalcMode::Mixed);
    calc.pasteText("0xff");
    calc.copyPlainNumber();
    EXPECT_EQ(view.clipboard, "255");
    calc.switchMode(CalcMode::Time);
    calc.pasteText("1日2時3分4.5秒");
    calc.copyPlainNumber();
    EXPECT_EQ(view.clipboard, "26:03:04.5");
    calc.switchMode(CalcMode::Date);
    calc.pasteText("2024-05-03");
    calc.copyPlainNumber();
    EXPECT_EQ(view.clipboard, "2024/5/3");
}

class KeptStateTest : public CalculatorTest {
  protected:
    KeptStateTest() { start(); }
    ~KeptStateTest() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("tavrik-kept-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::path file = folder / "tavrik" / "state.txt";
};

TEST_F(KeptStateTest, RoundTrip) {
    keys("12+3=H");
    calc.switchMode(CalcMode::Time);
    keys("1D");
    keys("+");
    calc.selectMemory(2);
    ASSERT_TRUE(SaveKeptState(file, calc.keptState()));

    testing::RecordingView otherView;
    Calculator other(otherView, clock);
    other.start();
    const KeptStateRead read = LoadKeptState(file);
    ASSERT_TRUE(read.state) << read.problem;
    other.restoreKeptState(*read.state);
    EXPECT_EQ(other.memory().texts, calc.memory().texts);
    EXPECT_EQ(other.memory().current, 2);
    for (CalcMode mode : {CalcMode::Decimal, CalcMode::Time})
        EXPECT_EQ(other.history().list(mode).lines, calc.history().list(mode).lines);
    other.PushBBtn(2);
    other.PushBBtn(kAdd);
    const HistoryLines& lines = other.history().current().lines;
    const int counter = calc.history().list(CalcMode::Decimal).counter;
    EXPECT_EQ(lines[lines.size() - 2], std::to_string(counter + 1) + ": 1") << "numbering goes on";
}

TEST_F(KeptStateTest, ListsAreCappedAsTheWindowCapsThem) {
    calc.editSettings([](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].MaxLineH = 0; });
    for (int i = 0; i < 5; ++i) keys("1+");
    calc.editSettings([](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].MaxLineH = 6; });
    EXPECT_EQ(calc.keptState().lists[0].size(), 6u);
}

TEST_F(KeptStateTest, TornForeignAndMissingFiles) {
    const std::string whole = KeptStateText(calc.keptState());
    ASSERT_TRUE(ParseKeptState(whole).state);
    const std::string damaged = "保存された履歴とメモリーが壊れているため、読み込みませんでした";
    // Cut anywhere before its end line, the file is refused whole.
    for (std::size_t cut : {whole.size() / 2, whole.size() - 5, std::size_t{20}}) {
        const KeptStateRead torn = ParseKeptState(whole.substr(0, cut));
        EXPECT_FALSE(torn.state);
        EXPECT_EQ(torn.problem, damaged) << cut;
    }
    const std::string foreign =
        "保存された履歴とメモリーは別の版または別の形式のため、読み込みませんでした";
    EXPECT_EQ(ParseKeptState("Tavrik state 2\r\n").problem, foreign);
    EXPECT_EQ(ParseKeptState(std::string("\x7f"
                                         "ELF\0\0",
                                         6))
                  .problem,
              foreign);
    EXPECT_EQ(ParseKeptState(whole + "extra\r\n").problem, damaged);
    EXPECT_EQ(ParseKeptState("Tavrik state 1\r\nCurrent=7\r\n").problem, damaged);

    const KeptStateRead missing = LoadKeptState(file);
    EXPECT_FALSE(missing.state);
    EXPECT_EQ(missing.problem, "");
    std::filesystem::create_directories(file);  // a folder where the file should be
    EXPECT_EQ(LoadKeptState(file).problem, "保存された履歴とメモリーを読み込めませんでした");
}

}  // namespace
}  // namespace tavrik
