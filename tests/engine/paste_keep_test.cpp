#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "history/history_list.h"
#include "history/kept_state.h"
#include "support/calculator_fixture.h"
#include "support/scoped_env.h"

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
    calc.pasteText("1:00:00.000012");
    calc.copyPlainNumber();
    EXPECT_EQ(view.clipboard, "1:00:00.000012");
    calc.pasteText("0:00:59.9999999");
    calc.copyPlainNumber();
    EXPECT_EQ(view.clipboard, "0:01:00");
    calc.pasteText("5100519006150416:50");
    calc.copyPlainNumber();
    EXPECT_EQ(view.clipboard, "5100519006150416時50分") << "too long for whole seconds";
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

TEST_F(KeptStateTest, RegistersAndCountersThisProgramNeverWritesMarkTheFileDamaged) {
    const std::string damaged = "保存された履歴とメモリーが壊れているため、読み込みませんでした";
    KeptState state;
    state.memory = {"1,234.5", "h -1F", "c 2024年5月3日(金)", "-1時30分0.5秒"};
    for (const char* good :
         {"-3.33E-11", "d 5", "2年3月", "2日3時", "", "1時3", "-1時3.", "c ", "c 2024年5"}) {
        state.memory[3] = good;
        EXPECT_TRUE(ParseKeptState(KeptStateText(state)).state) << good;
    }
    for (const char* bad : {"abc", "nan", "inf", "1e99999", "h 1G", "1時abc", "10²", "1時3.5.5",
                            "c abc", "0秒405", "0時30秒\r1", "1時 "}) {
        state.memory[3] = bad;
        EXPECT_EQ(ParseKeptState(KeptStateText(state)).problem, damaged) << bad;
    }
    state.memory[3] = "0";
    state.currentMemory = 4;
    EXPECT_EQ(ParseKeptState(KeptStateText(state)).problem, damaged) << "Current above 3";
    state.currentMemory = 3;
    state.counters[2] = 2147483647;
    EXPECT_EQ(ParseKeptState(KeptStateText(state)).problem, damaged) << "a counter near 2³¹";
}

TEST_F(KeptStateTest, NumberingStartsAgainAfterTheLargestCounter) {
    KeptState state;
    state.counters[0] = kMaxLineCounter;
    const KeptStateRead read = ParseKeptState(KeptStateText(state));
    ASSERT_TRUE(read.state) << read.problem;
    calc.restoreKeptState(*read.state);
    keys("2+");
    EXPECT_EQ(calc.history().current().lines.front(), "1: 2");
}

TEST_F(KeptStateTest, ALoadedListKeepsAtMostTheLargestCount) {
    KeptState state;
    state.lists[1].assign(kMaxKeptLines + 1, "1: d 5");
    const KeptStateRead read = ParseKeptState(KeptStateText(state));
    ASSERT_TRUE(read.state) << read.problem;
    EXPECT_EQ(read.state->lists[1].size(), kMaxKeptLines);
}

TEST_F(KeptStateTest, WithoutAHomeFolderThereIsNoFile) {
    const testing::ScopedEnv state("XDG_STATE_HOME", "relative");
    const testing::ScopedEnv home("HOME", std::nullopt);
    EXPECT_EQ(KeptStateFile(), std::filesystem::path());
    EXPECT_TRUE(LoadKeptState({}).problem.starts_with("履歴とメモリーを残す場所がありません"));
    EXPECT_FALSE(SaveKeptState({}, calc.keptState()));
    const testing::ScopedEnv absolute("HOME", "/home/someone");
    EXPECT_EQ(KeptStateFile(), "/home/someone/.local/state/tavrik/state.txt");
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
