#include "formula/function_check.h"

#include <gtest/gtest.h>

#include "support/recording_view.h"

namespace tavrik {
namespace {

TEST(UserFunctionCheck, Messages) {
    const struct {
        const char* formula;
        const char* message;
    } cases[] = {
        {"X*1.08=", "確認しました"},
        {"X * 1.08 =", "確認しました"},
        {"(X+1)*2=", "確認しました"},
        {"(X+1)-(X-1)=", "確認しました"},
        {"-5*X=", "確認しました"},
        {"X*Y=", "確認しました"},
        {"X*2", "確認しました"},
        {"(X+1", "確認しました"},
        {"X*0=", "数値変換エラーがあります"},
        {"X2=", "数値変換エラーがあります"},
        {"-X=", "数値変換エラーがあります"},
        {"X+.)=", "数値変換エラーがあります"},
        {"2X=", "変数位置エラーがあります"},
        {"XY=", "変数位置エラーがあります"},
        {"X+1.2.3=", "小数点エラーがあります"},
        {"2(X+1)=", "「(」位置エラーがあります"},
        {"(X+1))=", "括弧対応エラーがあります"},
        {"(X+)=", "「)」位置エラーがあります"},
        {"X+=", "「=」位置エラーがあります"},
        {"X=1", "「=」位置エラーがあります"},
        {"=X", "「=」位置エラーがあります"},
        {"*X=", "演算子位置エラーがあります"},
        {"X+*2=", "演算子位置エラーがあります"},
        {"Y*2=", "「X」がありません"},
        // Lower-case letters are no variables for the check.
        {"x*2=", "演算子位置エラーがあります"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        const auto check = CheckFunctionFormula(c.formula);
        ASSERT_TRUE(check.has_value());
        EXPECT_EQ(check->message, c.message);
        EXPECT_EQ(check->kind, std::string_view(c.message) == "確認しました" ? BoxKind::Information
                                                                             : BoxKind::Warning);
    }
}

TEST(UserFunctionCheck, EmptyFormulaIsNotChecked) {
    EXPECT_FALSE(CheckFunctionFormula("").has_value());
    testing::RecordingView view;
    ShowFunctionFormulaCheck(view, "");
    EXPECT_TRUE(view.boxes.empty());
}

TEST(UserFunctionCheck, FaultPositionSkipsBlanks) {
    EXPECT_EQ(CheckFunctionFormula("X + 1.2.3 =")->errorPosition, 5u);
}

TEST(UserFunctionCheck, ShowsTheOutcomeInABox) {
    testing::RecordingView view;
    ShowFunctionFormulaCheck(view, "2X=");
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0], "変数位置エラーがあります");
    EXPECT_EQ(view.boxKinds[0], BoxKind::Warning);
}

}  // namespace
}  // namespace tavrik
