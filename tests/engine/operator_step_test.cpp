#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

using OperatorStepTest = testing::CalculatorTest;

constexpr int kSquareCode = 102;

struct Sequence {
    const char* keys;
    const char* display;
};

TEST_F(OperatorStepTest, DecimalSequences) {
    const Sequence cases[] = {
        {"2+3=", "5"},       {"2+3==", "8"},    {"2+3==10=", "13"},  {"2*3=", "6"},
        {"2*3==", "12"},     {"10/4=", "2.5"},  {"10/4==", "0.625"}, {"5*=", "25"},
        {"5*==", "125"},     {"8/=", "0.125"},  {"5-=", "-5"},       {"5+=", "5"},
        {"200*5%", "10"},    {"200+5%", "210"}, {"200-5%", "190"},   {"50/200%", "25"},
        {"200*5%30%", "60"}, {"9/8=2%", "25"},  {"1+2*", "3"},       {"1+2*4=", "12"},
        {"5=", "5"},         {"1/0=", "1"},     {"2+-3=", "-1"},     {"7%", "0"},
        {"2+3=R+3=", "8"},   {"12R3", "-123"},  {"0P1+0P2=", "0.3"}, {"3-5%", "2.85"},
        {"2+3=%", "5"},      {"6*%", "0.36"},   {"100/4=%", "625"},  {"100/4=%%", "15625"},
        {"3*4=%", "0.36"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        start();
        calc.PushBBtn(kAllClear);
        keys(c.keys);
        EXPECT_EQ(display(), c.display);
    }
}

TEST_F(OperatorStepTest, EntryStateTable) {
    using enum EntryState;
    struct Case {
        const char* setup;  // reaches the entry state
        EntryState before;
        char key;
        EntryState after;
    };
    const Case cases[] = {
        {"", ResultShown, '+', OperatorPending},       {"", ResultShown, '=', ResultShown},
        {"", ResultShown, '%', ResultShown},           {"5", FirstOperand, '+', OperatorPending},
        {"5", FirstOperand, '=', ResultShown},         {"5", FirstOperand, '%', ResultShown},
        {"5+", OperatorPending, '-', OperatorPending}, {"5+", OperatorPending, '=', ResultShown},
        {"5+", OperatorPending, '%', ResultShown},     {"5+3", SecondOperand, '*', OperatorPending},
        {"5+3", SecondOperand, '=', ResultShown},      {"5+3", SecondOperand, '%', ResultShown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.setup) + c.key);
        start();
        calc.PushBBtn(kAllClear);
        keys(c.setup);
        ASSERT_EQ(calc.state().entry.state(), c.before);
        keys(std::string(1, c.key));
        EXPECT_EQ(calc.state().entry.state(), c.after);
    }
}

TEST_F(OperatorStepTest, ReplacingThePendingOperator) {
    start();
    keys("5+-*3=");
    EXPECT_EQ(display(), "15");
}

TEST_F(OperatorStepTest, DivisionByZeroIsReportedAndKeepsTheLeftOperand) {
    start();
    keys("1/0=");
    EXPECT_EQ(calc.status().strip(), "０除算エラー");
    EXPECT_EQ(display(), "1");
    EXPECT_EQ(calc.errors().errorCount(), 1);
    keys("2+2=");
    EXPECT_EQ(calc.errors().errorCount(), 0);
}

TEST_F(OperatorStepTest, ResultIsShownInFullPrecisionInPanelTwo) {
    start();
    calc.editSettings([&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].RoundM = 1; });
    keys("2/3=");
    EXPECT_EQ(display(), "1");
    EXPECT_EQ(calc.status().panel(StatusPart::Message), "0.666666666666667");
    EXPECT_EQ(calc.status().panel(StatusPart::Operation), "=");
}

TEST_F(OperatorStepTest, ChainedOperationsKeepTheUnroundedAccumulator) {
    calc.editSettings([&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].RoundM = 1; });
    start();
    keys("2/3*3=");
    EXPECT_EQ(display(), "2");
    EXPECT_EQ(calc.status().panel(StatusPart::Message), "2");
}

TEST_F(OperatorStepTest, HistoryLinesOfACalculation) {
    start();
    keys("1+2=");
    EXPECT_EQ(historyLines(), (std::vector<std::string>{"1: 1", "#+", "2: 2", "#="}));
}

TEST_F(OperatorStepTest, MixedModeTruncatesResults) {
    start(CalcMode::Mixed);
    keys("7/2=");
    EXPECT_EQ(display(), "d 3");
    keys("O");
    EXPECT_EQ(display(), "h 3");
    keys("Z");
    keys("FF+1=");
    EXPECT_EQ(display(), "h 100");
}

TEST_F(OperatorStepTest, AResultBeyondBinary64IsReadBackByTheNextKey) {
    start();
    keys("9999999999");
    for (int i = 0; i < 5; ++i) calc.PushBBtn(kSquareCode);
    const std::string shown = display();
    ASSERT_NE(shown.find('E'), std::string::npos);
    keys("/1=");
    EXPECT_EQ(display(), shown);
    EXPECT_EQ(calc.status().strip(), "");
}

TEST_F(OperatorStepTest, AWordWiderThanTheModeIsAnOverflowAndStaysShown) {
    start(CalcMode::Mixed);
    keys("O7FFFFFFFFFFFFFFF");
    calc.setGeometry({25, 1, 8});
    keys("+");
    EXPECT_EQ(display(), "h 7FFFFFFFFFFFFFFF");
    EXPECT_EQ(calc.status().strip(), "オーバーフロー");
    EXPECT_EQ(calc.errors().errorCount(), 1);
}

}  // namespace
}  // namespace tavrik
