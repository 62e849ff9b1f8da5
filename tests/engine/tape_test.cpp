#include <random>

#include "engine/tape.h"
#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

using testing::CalculatorTest;

// Digits, point, the operators, sign, CE, M+, M-, MR, AC, backspace and the tax keys.
constexpr std::string_view kTapeKeys = "0123456789P+-*/=%RGHJKZXIO";

std::string RandomKeys(std::mt19937& random, int count) {
    std::uniform_int_distribution<std::size_t> pick(0, kTapeKeys.size() - 1);
    std::string keys;
    for (int i = 0; i < count; ++i) keys += kTapeKeys[pick(random)];
    return keys;
}

long double NumberOf(std::string text) {
    std::erase(text, ',');
    return std::stold(text);
}

class TapeTest : public CalculatorTest {
  protected:
    std::vector<std::string> results() const {
        std::vector<std::string> shown;
        for (const LineResult& result : calc.history().current().results)
            shown.push_back(result.shown);
        return shown;
    }
    std::vector<TapeRow> rows() const { return TapeRows(calc.history().current(), calc.values()); }
};

// Each result equals the display of a fresh calculator given the same keys up
// to the one that wrote the line; the grand total is the sum of the "=" results.
TEST_F(TapeTest, ResultsEqualAReplayOfTheKeysAndTheTotalTheirSum) {
    std::mt19937 random(35);
    for (int round = 0; round < 40; ++round) {
        const std::string sequence = RandomKeys(random, 40);
        SCOPED_TRACE(sequence);
        testing::RecordingView tapeView;
        Calculator tapeCalc(tapeView, clock);
        tapeCalc.start();
        std::vector<std::size_t> writer;  // the key index that wrote each line
        TapeReader growing;                // read after every key, as the window reads it
        for (std::size_t k = 0; k < sequence.size(); ++k) {
            tapeCalc.PushBBtn(CodeOfKeyChar(sequence[k]));
            writer.resize(tapeCalc.history().current().lines.size(), k);
            growing.extend(tapeCalc.history().current(), tapeCalc.values());
        }
        long double sum = 0;
        const std::vector<TapeRow> tape = TapeRows(tapeCalc.history().current(), tapeCalc.values());
        EXPECT_EQ(growing.rows(), tape);
        for (std::size_t i = 0; i < tape.size(); ++i) {
            if (tape[i].result.empty()) continue;
            testing::RecordingView replayView;
            Calculator replay(replayView, clock);
            replay.start();
            for (char c : sequence.substr(0, writer[i] + 1)) replay.PushBBtn(CodeOfKeyChar(c));
            EXPECT_EQ(tape[i].result, replay.displayText()) << "line " << i;
            if (tape[i].line.ends_with("#=")) {
                sum += NumberOf(tape[i].result);
                EXPECT_NEAR(static_cast<double>(NumberOf(tape[i].grandTotal)),
                            static_cast<double>(sum),
                            1e-6 * (1 + std::abs(static_cast<double>(sum))));
            } else {
                EXPECT_EQ(tape[i].grandTotal, "");
            }
        }
    }
}

TEST_F(TapeTest, ResultsStayBesideTheirLinesThroughDeleteAndReplay) {
    start();
    keys("12+3=*2=");
    EXPECT_EQ(results(), (std::vector<std::string>{"", "", "", "15", "", "", "30"}));
    EXPECT_EQ(rows()[6].grandTotal, "45");
    calc.selectHistoryLine(3);
    calc.deleteHistoryLine();
    EXPECT_EQ(results(), (std::vector<std::string>{"", "", "", "", "", "30"}));
    EXPECT_EQ(rows()[5].grandTotal, "30");
    calc.setHistoryMoveDown(false);
    calc.selectHistoryLine(5);
    calc.replayHistoryLine();
    // "=" repeats × with the constant 15.
    EXPECT_EQ(results().back(), "450");
    EXPECT_EQ(rows().back().grandTotal, "480");
}

TEST_F(TapeTest, LinesReadFromAFileShowNoResultAndLaterOnesDo) {
    start();
    keys("2+2=");
    const std::string path = ::testing::TempDir() + "tape_history.txt";
    calc.writeHistoryFile(path);
    calc.clearHistory();
    calc.readHistoryFile(path);
    keys("+1=");
    const std::vector<TapeRow> tape = rows();
    ASSERT_GE(tape.size(), 2u);
    EXPECT_EQ(tape[tape.size() - 4].result, "");
    EXPECT_EQ(tape.back().result, "5");
    EXPECT_EQ(tape.back().grandTotal, "5");
}

// A number is found however it was typed or written: grouped or not, in
// full-width digits; a part of a number is found too.
TEST(TapeSearchTest, NumbersMatchWithOrWithoutGroupingAndInFullWidth) {
    struct Case {
        std::string_view text, typed;
        bool found;
    };
    for (const Case& c : std::initializer_list<Case>{{"1,234,567", "1234567", true},
                                                     {"1,234,567", "1,234,567", true},
                                                     {"1,234,567", "４５６", true},
                                                     {"1,234,567", "１，２３４", true},
                                                     {"1234567", "1,234", true},
                                                     {"-12.5", "－１２．５", true},
                                                     {"1,234,567", "7654", false},
                                                     {"12.5", "125", false},
                                                     {"1,234", "", false}}) {
        EXPECT_EQ(TapeTextMatches(c.text, TapeSearchKey(c.typed)), c.found)
            << c.text << " / " << c.typed;
    }
}

TEST_F(TapeTest, SearchSkipsLineNumbersAndFindsResultsOnlyWhenShown) {
    start();
    keys("1234*3=");  // 1: 1234 / #* / 2: 3 / #= → 3702
    const HistoryList& list = calc.history().current();
    const std::string key = TapeSearchKey("3702");
    EXPECT_EQ(FindTapeLine(list, key, 0, 1, false), -1);
    EXPECT_EQ(FindTapeLine(list, key, 0, 1, true), 3);
    EXPECT_EQ(FindTapeLine(list, TapeSearchKey("2"), 3, -1, false), 0);
}

TEST_F(TapeTest, EnteringAFoundLineTypesItsValueOrItsResult) {
    start();
    keys("1234*3=");
    calc.enterHistoryValue(0);
    EXPECT_EQ(display(), "1234");
    keys("=");
    calc.enterHistoryValue(3);
    EXPECT_EQ(display(), "3702");
}

TEST_F(TapeTest, ChosenLinesAreCopiedAsTabSeparatedColumns) {
    start();
    keys("12+3=");
    calc.copyHistoryLines({3, 0});
    EXPECT_EQ(view.clipboard, "値\t演算\t結果\n12\t\t\n\t=\t15\n");
}

}  // namespace
}  // namespace tavrik
