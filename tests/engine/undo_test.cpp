#include <random>

#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

// Digits, point, the operators, sign, CE, M+, M-, MR, MC, AC, backspace and the tax keys.
constexpr std::string_view kUndoKeys = "0123456789P+-*/=%RGHJKLZXIO";

// Everything undo puts back, in a form that compares whole.
struct Snapshot {
    std::string display, previous, firstOperand;
    EntryState entry;
    long double accumulator, operand, repeatConstant;
    int pendingOperator, repeatOperator, lastFunctionCode;
    std::array<std::string, 4> memory;
    int currentMemory;
    std::vector<std::string> lines, results;
    int counter, selected;
    bool operator==(const Snapshot&) const = default;
};

class UndoTest : public testing::CalculatorTest {
  protected:
    Snapshot snapshot() const {
        const CalcState& s = calc.state();
        const HistoryList& list = calc.history().current();
        std::vector<std::string> results;
        for (const LineResult& result : list.results) results.push_back(result.shown);
        return {s.displayText,       s.previousDisplayText,
                s.firstOperandText,  s.entry.state(),
                s.accumulator,       s.operand,
                s.repeatConstant,    s.pendingOperator,
                s.repeatOperator,    s.lastFunctionCode,
                calc.memory().texts, calc.memory().current,
                historyLines(),      results,
                list.counter,        list.selected};
    }
    std::string randomKeys(std::mt19937& random, int count) {
        std::uniform_int_distribution<std::size_t> pick(0, kUndoKeys.size() - 1);
        std::string keys;
        for (int i = 0; i < count; ++i) keys += kUndoKeys[pick(random)];
        return keys;
    }
};

// Any key sequence followed by as many undos restores the start; as many
// redos then restore the end.
TEST_F(UndoTest, UndoingEveryStepRestoresTheStartAndRedoTheEnd) {
    start();
    std::mt19937 random(35);
    for (int round = 0; round < 50; ++round) {
        const std::string sequence = randomKeys(random, 1 + round % 40);
        SCOPED_TRACE(sequence);
        const Snapshot before = snapshot();
        keys(sequence);
        const Snapshot after = snapshot();
        for (std::size_t i = 0; i < sequence.size(); ++i) calc.undo();
        EXPECT_EQ(snapshot(), before);
        for (std::size_t i = 0; i < sequence.size(); ++i) calc.redo();
        EXPECT_EQ(snapshot(), after);
    }
}

TEST_F(UndoTest, KeepsTheLastHundredSteps) {
    start();
    keys(std::string(20, '1') + "+");
    const Snapshot atTwentyOne = snapshot();
    keys(std::string(50, '2') + std::string(50, 'X'));
    for (int i = 0; i < 150; ++i) calc.undo();
    EXPECT_EQ(snapshot(), atTwentyOne);
    EXPECT_FALSE(calc.canUndo());
}

TEST_F(UndoTest, ANewKeyDropsTheRedoStepsAndAModeChangeEverything) {
    start();
    keys("12+3=");
    calc.undo();
    EXPECT_TRUE(calc.canRedo());
    keys("4");
    EXPECT_FALSE(calc.canRedo());
    EXPECT_EQ(display(), "34");
    calc.switchMode(CalcMode::Time);
    EXPECT_FALSE(calc.canUndo());
    calc.switchMode(CalcMode::Decimal);
    EXPECT_FALSE(calc.canUndo());
    calc.undo();
    EXPECT_EQ(display(), "0");
}

}  // namespace
}  // namespace tavrik
