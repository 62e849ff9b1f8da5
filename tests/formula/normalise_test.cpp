#include "formula/normalise.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

struct Case {
    const char* text;
    const char* formula;
};

void ExpectFormulas(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NormaliseFormula(c.text).formula, c.formula);
    }
}

TEST(NormaliseFormula, MapsEveryCharacterOfTheTable) {
    ExpectFormulas({
        {"０１２３４５６７８９＋１", "0123456789+1="},
        {"1．5＋2", "1.5+2="},
        {"（1＋2）＊3", "(1+2)*3="},
        {"［1+2］×3", "(1+2)*3="},
        {"[1+2]/3", "(1+2)/3="},
        {"6／3－1", "6/3-1="},
        {"6÷3−1", "6/3-1="},
        {"Ｘ＋ｘ", "X+X="},
        {"x*2", "X*2="},
        {"1＝", ""},
        {"1＋2＝9", "1+2="},
        {"1，234＋1", "1234+1="},
        {"1\t+\r\n2", "1+2="},
        {"１＋２ 円です", "1+2="},
    });
}

TEST(NormaliseFormula, EdgeCases) {
    ExpectFormulas({
        {"売上 1,200 × 3", "1200*3="},
        {"（２＋３）×４", "(2+3)*4="},
        {"5", ""},
        {"5+", ""},
        {"合計です", ""},
        {"5+3=8", "5+3="},
        {"=8", ""},
        {"-5+3", "-5+3="},
        {"5+-3", "5+3="},
        {"1.2.3+1", "3+1="},
        {"2X", ""},
        {"X+5", "X+5="},
        {"5+X-1", "5+X-1="},
        {"2+()3", "2+3="},
        {"5=3+2", "3+2="},
        {"5+3)", "5+3="},
        {"((1+2)", "((1+2))="},
    });
}

TEST(NormaliseFormula, ScanningRules) {
    ExpectFormulas({
        // A comma outside a number is dropped; inside it joins the digits.
        {",5+1", "5+1="},
        // An operator needs an operand before it, except a leading minus.
        {"*5+1", "5+1="},
        {"+5+1", "5+1="},
        // A trailing operator is removed.
        {"5+3*", "5+3="},
        // An X directly after a number is dropped.
        {"2X+1", "2+1="},
        // An X after an operator completes the expression.
        {"2*X", "2*X="},
        // A second "." ends a complete formula; the number being read is lost.
        {"1+2*3.4.5", "1+2="},
        // Before a complete formula it discards what was read.
        {"1+2.3.4", ""},
        // Brackets left open with more than one level give nothing.
        {"(((1+2)", ""},
        // "()" pairs vanish wherever they stand.
        {"()1+2", "1+2="},
        {"1+2()", "1+2="},
        // A number left without an operator before it at the end is not used.
        {"(1+2)5", "(1+2)="},
        // Non-ASCII letters and symbols are blanks.
        {"①+1+2", "1+2="},
    });
}

TEST(NormaliseFormula, MinusAfterBracketIsSubtraction) {
    ExpectFormulas({{"(1+2)-3", "(1+2)-3="}, {"(X+1)-(X-1)", "(X+1)-(X-1)="}});
}

TEST(NormaliseFormula, BracketedLoneNumberSurvives) {
    ExpectFormulas({{"2*(5)+1", "2*(5)+1="}, {"(5)", ""}, {"(5)*2", "(5)*2="}});
}

TEST(NormaliseFormula, NumbersNeverJoinAcrossANote) {
    ExpectFormulas({
        // Before anything complete, what came before is a note.
        {"5月の売上 1,200 × 3", "1200*3="},
        {"2020年5月 売上 1,200 × 3", "1200*3="},
        {"第3四半期 (2+3)*4", "(2+3)*4="},
        {"5 x 3", ""},
        // After a complete formula, the rest of the line is a note.
        {"1+2 で 3 になる", "1+2="},
        {"(2+3) 4個", "(2+3)="},
        {"1+2 x", "1+2="},
        {"((1+2) 3", "((1+2)="},
    });
}

TEST(NormaliseFormula, PowersRootsAndFunctionsGetNoFormula) {
    const char* const texts[] = {
        "(1+2)*3^2", "2＾3+1", "√2+1",        "sqrt(2)+1", "1+log(5)", "ＳＩＮ（1）+2", "2^3 は 8",
        "x(1+2)",    "10²+1",  "面積 5² × 3", "2³",        "1200¹+1",  "x⁻¹+2",         "3ⁿ",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const NormalisedFormula result = NormaliseFormula(text);
        EXPECT_EQ(result.formula, "");
        EXPECT_TRUE(result.needsFunctionKeys);
    }
    // A word with a blank before the bracket, or after the formula's end, is a note.
    for (const char* text : {"合計 (1+2)*3", "Total (1+2)*3", "1+2 note 5^2"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(NormaliseFormula(text).needsFunctionKeys);
        EXPECT_NE(NormaliseFormula(text).formula, "");
    }
}

TEST(NormaliseFormula, ErrorPositionCountsCharacters) {
    EXPECT_EQ(NormaliseFormula("1+2").errorPosition, kNoError);
    EXPECT_EQ(NormaliseFormula("売上 5").errorPosition, 4u);
    EXPECT_EQ(NormaliseFormula("５＝3").errorPosition, 1u);
}

TEST(NormaliseFormula, InvalidUtf8IsBlank) {
    EXPECT_EQ(NormaliseFormula("1+\xff\xfe"
                               "2")
                  .formula,
              "1+2=");
}

}  // namespace
}  // namespace tavrik
