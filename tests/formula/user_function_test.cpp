#include <gtest/gtest.h>

#include "formula/function_menu.h"
#include "formula/operations.h"
#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

class UserFunctionTest : public testing::CalculatorTest {
  protected:
    // Puts user functions 109 … 114 on keys A … F of group 1 and starts.
    void withFormulas(std::array<std::string, 6> formulas) {
        calc.editSettings([&](GlobalSettings& settings) {
            settings.FStr = std::move(formulas);
            for (int j = 0; j < 6; ++j) settings.F[static_cast<std::size_t>(j)] = 109 + j;
        });
        start();
    }
    void pressFunctionKey(int key) {
        calc.PushBBtn(calc.keypad()[static_cast<std::size_t>(11 + key)].code);
    }
};

TEST_F(UserFunctionTest, OneOperand) {
    withFormulas({"X*1.08=", "x * x =", "", "X/0=", "2(X)=", "X*2"});
    const struct {
        int key;
        const char* entry;
        const char* result;
    } cases[] = {
        {0, "100", "108"}, {1, "12", "144"}, {2, "7", "7"},
        {3, "7", "0"},     {4, "7", "0"},    {5, "7", "14"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        keys("Z");
        keys(c.entry);
        pressFunctionKey(c.key);
        EXPECT_EQ(display(), c.result);
    }
}

TEST_F(UserFunctionTest, TwoOperands) {
    withFormulas({"X*Y+1=", "", "", "", "", ""});
    keys("6");
    pressFunctionKey(0);
    keys("7=");
    EXPECT_EQ(display(), "43");
}

TEST_F(UserFunctionTest, Arity) {
    const std::array<std::string, 6> formulas{"X*2=", "X*Y=", "x*y=", "", "Y=", "(X)"};
    const int expected[] = {1, 2, 2, 1, 2, 1};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(FunctionArity(109 + k, formulas), expected[k]) << k;
}

class FunctionMenuTest : public testing::CalculatorTest {
  protected:
    FunctionMenuTest() {
        calc.editSettings([](GlobalSettings& settings) {
            settings.F[0] = 101;          // group 1: f101 on key A
            settings.F[6 * 2 + 5] = 105;  // group 3: code 105 untitled on key F
            settings.FT[105 - 100].clear();
            settings.F[6 * 4 + 1] = 102;  // group 5: f102 on key B, f103 on key D
            settings.F[6 * 4 + 3] = 103;
            settings.FName[4] = "三角";
        });
    }
    std::vector<std::string> captions() const {
        std::vector<std::string> result;
        for (std::size_t j = 11; j <= 16; ++j) result.push_back(calc.keypad()[j].caption);
        return result;
    }
};

TEST_F(FunctionMenuTest, OneItemPerGroupWithATitledFunction) {
    const FunctionMenu menu = RebuildFunctionMenu(calc.settings(), {});
    ASSERT_EQ(menu.items.size(), 2u);
    EXPECT_EQ(menu.items[0].caption, "関数1 ");
    EXPECT_EQ(menu.items[0].tag, 0);
    EXPECT_EQ(menu.items[1].caption, "三角 ");
    EXPECT_EQ(menu.items[1].tag, 4);
    EXPECT_TRUE(menu.enabled);
    EXPECT_EQ(menu.checkedTag(), -1);
}

TEST_F(FunctionMenuTest, NoGroupDisablesTheMenu) {
    const FunctionMenu menu = RebuildFunctionMenu(GlobalSettings{}, {});
    EXPECT_TRUE(menu.items.empty());
    EXPECT_FALSE(menu.enabled);
}

TEST_F(FunctionMenuTest, SelectingAGroupFillsTheFunctionKeys) {
    start();
    calc.selectFunctionGroup(4);
    EXPECT_EQ(calc.functionMenu().checkedTag(), 4);
    EXPECT_EQ(captions(), (std::vector<std::string>{"", "f102", "", "f103", "", ""}));
    EXPECT_FALSE(calc.keypad()[11].enabled);
    EXPECT_TRUE(calc.keypad()[12].enabled);
    EXPECT_EQ(calc.keypad()[12].code, 102);

    keys("3");
    calc.PushBBtn(calc.keypad()[12].code);
    EXPECT_EQ(display(), "9");
}

TEST_F(FunctionMenuTest, RebuildKeepsTheCheckedGroup) {
    start();
    FunctionMenu menu = RebuildFunctionMenu(calc.settings(), {});
    CheckFunctionGroup(menu, CalcMode::Decimal, 4);
    calc.editSettings([&](GlobalSettings& s) { s.F[6 * 2 + 5] = 101; });
    menu = RebuildFunctionMenu(calc.settings(), menu);
    ASSERT_EQ(menu.items.size(), 3u);
    EXPECT_EQ(menu.checkedTag(), 4);
}

TEST_F(FunctionMenuTest, SelectionIgnoredOutsideDecimalModeOrWhenChecked) {
    start();
    FunctionMenu menu = RebuildFunctionMenu(calc.settings(), {});
    EXPECT_TRUE(CheckFunctionGroup(menu, CalcMode::Decimal, 0));
    EXPECT_FALSE(CheckFunctionGroup(menu, CalcMode::Decimal, 0));
    EXPECT_FALSE(CheckFunctionGroup(menu, CalcMode::Decimal, 7));
    EXPECT_FALSE(CheckFunctionGroup(menu, CalcMode::Mixed, 4));
    EXPECT_EQ(menu.checkedTag(), 0);
    calc.switchMode(CalcMode::Mixed);
    calc.selectFunctionGroup(4);
    EXPECT_EQ(captions(), (std::vector<std::string>{"A", "B", "C", "D", "E", "F"}));
    calc.switchMode(CalcMode::Decimal);
    EXPECT_EQ(captions(), (std::vector<std::string>{"f101", "", "", "", "", ""}));
}

}  // namespace
}  // namespace tavrik

namespace tavrik {
namespace {

using FunctionMenuStartTest = testing::CalculatorTest;

TEST_F(FunctionMenuStartTest, DecimalModeStartsOnTheFirstGroupOfTheMenu) {
    calc.editSettings([](GlobalSettings& s) {
        s.F[14] = 101;  // group 3, key C
        s.FName[2] = "根";
    });
    start();
    EXPECT_EQ(calc.keypad()[13].caption, "f101");
    EXPECT_EQ(calc.keypad()[13].code, 101);
    ASSERT_EQ(calc.functionMenu().items.size(), 1u);
    EXPECT_TRUE(calc.functionMenu().items[0].checked);
    calc.switchMode(CalcMode::Mixed);
    EXPECT_EQ(calc.keypad()[13].caption, "C");
    calc.switchMode(CalcMode::Decimal);
    EXPECT_EQ(calc.keypad()[13].caption, "f101");
}

}  // namespace
}  // namespace tavrik
