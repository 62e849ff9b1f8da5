#include "formula/evaluator.h"

#include <gtest/gtest.h>

#include "formula/postfix.h"
#include "support/recording_view.h"

namespace tavrik {
namespace {

class EvaluateFormulaTest : public ::testing::Test {
  protected:
    Evaluation evaluate(std::string_view formula, long double x = 0, long double y = 0) {
        return EvaluateFormula(status, formula, x, y);
    }

    testing::RecordingView view;
    StatusLine status{view};
};

TEST_F(EvaluateFormulaTest, PrecedenceAndAssociativity) {
    const struct {
        const char* formula;
        long double value;
    } cases[] = {
        {"1+2*3=", 7},       {"(1+2)*3=", 9}, {"8-2-3=", 3},   {"1-(2-3)-4=", -2},
        {"2*(3+4)*5=", 70},  {"16/4/2=", 2},  {"10/4=", 2.5L}, {"((2))+1=", 3},
        {"1.5.5+1=", 2.55L}, {"0.25*4=", 1},  {"(1+2)-3=", 0}, {"(1+2)-(3-1)=", 1},
        {"2*(5)+1=", 11},    {"X*2", 8},      {"X*2=", 8},     {"3", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        const Evaluation result = evaluate(c.formula, 4);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.value, c.value);
    }
}

TEST_F(EvaluateFormulaTest, SignsAndVariables) {
    const struct {
        const char* formula;
        long double value;
    } cases[] = {
        {"-5+3=", -2}, {"-X*2=", -8}, {"(-X)*2=", -8}, {"(-3)*2=", -6}, {"-(2+3)=", -5},
        {"+5=", 5},    {"X-Y=", 1},   {"-Y=", -3},     {"X*X*X=", 64},  {"2.=", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        const Evaluation result = evaluate(c.formula, 4, 3);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.value, c.value);
    }
}

TEST_F(EvaluateFormulaTest, VariablesEnterAtDoublePrecision) {
    const long double x = 1.0L + 0x1p-60L;
    EXPECT_EQ(evaluate("X=", x).value, 1.0L);
    EXPECT_EQ(evaluate("Y=", 0, x).value, 1.0L);
}

TEST_F(EvaluateFormulaTest, LongNumbersConvertExactly) {
    EXPECT_EQ(evaluate("12345678901234567890123+0=").value, 12345678901234567890123.0L);
    EXPECT_EQ(evaluate("0.1=").value, 0.1L);
    EXPECT_EQ(evaluate("0.0000000000000000000000000001=").value, 1e-28L);
}

TEST_F(EvaluateFormulaTest, FailuresGiveZero) {
    const struct {
        const char* formula;
        std::size_t position;
    } cases[] = {
        {"5/0=", 1},     // division by zero
        {"0/0=", 1},     // invalid operation
        {"2(3+4)=", 3},  // two values left
        {"1+2)=", 3},    // ")" without "("
        {".+1=", 0},     // a number text that does not convert
        {"+-5=", 1},     // a sign with nothing listed before it
        {"=", 0},        // no value at all
        {"1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1=", kNoError},  // summed as it goes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula);
        const Evaluation result = evaluate(c.formula);
        if (c.position == kNoError) {
            EXPECT_TRUE(result.ok);
            continue;
        }
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.value, 0);
        EXPECT_EQ(result.errorPosition, c.position);
    }
}

TEST_F(EvaluateFormulaTest, OverflowFails) {
    std::string big = "1";
    for (int i = 0; i < 2500; ++i) big += "0";
    EXPECT_FALSE(evaluate(big + "*" + big + "=").ok);
}

TEST_F(EvaluateFormulaTest, ValueStackLimitFails) {
    // Twenty values pending: 1*(1*(1*( … ))).
    std::string formula;
    for (int i = 0; i < 20; ++i) formula += "1+(";
    formula += "1";
    for (int i = 0; i < 20; ++i) formula += ")";
    EXPECT_FALSE(evaluate(formula + "=").ok);
    std::string fewer;
    for (int i = 0; i < 18; ++i) fewer += "1+(";
    fewer += "1";
    for (int i = 0; i < 18; ++i) fewer += ")";
    EXPECT_EQ(evaluate(fewer + "=").value, 19);
}

TEST_F(EvaluateFormulaTest, ShowsTheFormulaInStatusPanelTwo) {
    status.DspMsg("earlier", kMessageError);
    evaluate("5/0=");
    EXPECT_EQ(status.panel(StatusPart::Message), "5/0=");
    EXPECT_EQ(status.strip(), "");
}

TEST_F(EvaluateFormulaTest, FunctionText) {
    EXPECT_EQ(EvaluateFunctionText(status, "", 7, 0), 7);
    EXPECT_EQ(EvaluateFunctionText(status, "x * 1.5 =", 100, 0), 150);
    EXPECT_EQ(status.panel(StatusPart::Message), "X*1.5=");
    EXPECT_EQ(EvaluateFunctionText(status, "X*Y=", 6, 7), 42);
    EXPECT_EQ(EvaluateFunctionText(status, "X/0=", 6, 0), 0);
    EXPECT_EQ(EvaluateFunctionText(status, "X*2", 6, 0), 12);
}

TEST(FormulaStages, PostfixOrder) {
    const TokenList tokens = Tokenise("1+2*(3-X)=9");
    ASSERT_EQ(tokens.errorPosition, kNoError);
    const PostfixList postfix = ToPostfix(tokens.tokens);
    std::string order;
    for (const Token& token : postfix.tokens) {
        switch (token.kind) {
            case TokenKind::Number:
                order += std::to_string(static_cast<int>(token.value));
                break;
            case TokenKind::VariableX:
                order += 'X';
                break;
            case TokenKind::Add:
                order += '+';
                break;
            case TokenKind::Subtract:
                order += '-';
                break;
            case TokenKind::Multiply:
                order += '*';
                break;
            default:
                order += '?';
                break;
        }
    }
    EXPECT_EQ(order, "123X-*+");
}

TEST(FormulaStages, TokenPositionsCountCharacters) {
    const TokenList tokens = Tokenise("売1+X=");
    ASSERT_EQ(tokens.tokens.size(), 3u);
    EXPECT_EQ(tokens.tokens[0].position, 1u);
    EXPECT_EQ(tokens.tokens[2].position, 3u);
}

}  // namespace
}  // namespace tavrik
