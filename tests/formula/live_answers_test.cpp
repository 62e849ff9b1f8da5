#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/live_answers.h"
#include "formula/sheet_text.h"
#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

class LiveAnswersTest : public testing::CalculatorTest {
  protected:
    LiveAnswersTest() { start(); }

    std::vector<std::string> answers() const {
        std::vector<std::string> all;
        for (std::size_t i = 0; i < live.lineCount(); ++i) all.push_back(live.answer(i));
        return all;
    }

    LiveAnswers live{calc};
};

TEST_F(LiveAnswersTest, AnswersBesideTheLines) {
    live.setText("売上 1,200 × 3\n# 1+2\n10/4=\n5/0=\nメモ\n2+3=9\r\n");
    EXPECT_EQ(live.answerChanged(), 6u);
    EXPECT_EQ(answers(), (std::vector<std::string>{"3600", "", "2.5", "", "", "5"}));
    EXPECT_EQ(calc.status().strip(), "") << "a failing line says nothing";
    EXPECT_EQ(view.beeps, 0);
}

TEST_F(LiveAnswersTest, AnEditInALongSheetAnswersOnlyItsLines) {
    constexpr std::size_t kLines = 10000;
    std::string text;
    for (std::size_t i = 0; i < kLines; ++i) text += std::to_string(i) + "+1\n";
    live.setText(text);
    EXPECT_EQ(live.answerChanged(), kLines);
    EXPECT_EQ(live.answerChanged(), 0u) << "nothing changed since";

    live.replaceLines(5000, 1, {"2*21"});
    EXPECT_EQ(live.answerChanged(), 1u);
    EXPECT_EQ(live.answer(5000), "42");
    EXPECT_EQ(live.answer(4999), "5000");

    // A line split in two, then two lines joined again, each far apart.
    live.replaceLines(100, 1, {"1+", "2*2"});
    live.replaceLines(9000, 2, {"3*3"});
    EXPECT_EQ(live.answerChanged(), 3u);
    EXPECT_EQ(live.lineCount(), kLines);
    EXPECT_EQ(live.answer(100), "");
    EXPECT_EQ(live.answer(101), "4");
    EXPECT_EQ(live.answer(102), "102") << "the lines after moved down, answers and all";
    EXPECT_EQ(live.answer(9000), "9");
}

// The bound of a run holds for the live answers too.
TEST_F(LiveAnswersTest, ALineLongerThanTheBoundHasNoAnswer) {
    std::string past = "1";
    while (past.size() <= kMaxFormulaLineLength) past += "+1";
    live.setText(past + "\n1+1\n");
    live.answerChanged();
    EXPECT_EQ(answers(), (std::vector<std::string>{"", "2"}));
}

TEST_F(LiveAnswersTest, XIsTheDisplayWhenAnswered) {
    keys("100");
    live.setText("X*2");
    live.answerChanged();
    EXPECT_EQ(live.answer(0), "200");
    keys("G5");
    live.invalidate();
    live.answerChanged();
    EXPECT_EQ(live.answer(0), "10");
    calc.switchMode(CalcMode::Time);
    keys("1D");
    live.invalidate();
    live.answerChanged();
    EXPECT_EQ(live.answer(0), "0") << "a display that is no decimal number gives X = 0";
    EXPECT_EQ(calc.status().strip(), "");
}

}  // namespace
}  // namespace tavrik
