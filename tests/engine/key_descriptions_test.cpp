#include <gtest/gtest.h>

#include "engine/key_descriptions.h"
#include "formula/operations.h"
#include "settings/function_codes.h"
#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

// The operators and tax keys of the operation table are keys of their own.
TEST(KeyDescriptions, EveryOperatorOfTheOperationTableIsDescribed) {
    for (const Operation& operation : Operations()) {
        if (operation.code < kFirstFunction) {
            EXPECT_FALSE(FixedKeyDescription(CalcMode::Decimal, operation.code).empty())
                << operation.code;
        }
    }
}

// The keys of key tables only are described in every mode; the time-sheet
// keys say they do nothing outside time mode.
TEST(KeyDescriptions, EveryKeyTableOnlyCodeIsDescribed) {
    for (const CalcMode mode : {CalcMode::Decimal, CalcMode::Mixed, CalcMode::Time, CalcMode::Date})
        for (const KeyTableOnlyCode& only : kKeyTableOnlyCodes)
            EXPECT_FALSE(FixedKeyDescription(mode, only.code).empty())
                << static_cast<char>(mode) << only.code;
    EXPECT_EQ(FixedKeyDescription(CalcMode::Time, kRoundDown15), "15分単位に切り捨て");
    EXPECT_EQ(FixedKeyDescription(CalcMode::Date, kRoundDown15), "このモードでは使いません");
}

class KeyHelpTest : public testing::CalculatorTest {};

// Every key says what it does in every mode, after its full caption.
TEST_F(KeyHelpTest, EveryKeyIsDescribedInEveryMode) {
    calc.editSettings([](GlobalSettings& s) {
        s.F[0] = 101;
        s.FT[1] = "√";
    });
    start();
    for (const CalcMode mode :
         {CalcMode::Decimal, CalcMode::Mixed, CalcMode::Time, CalcMode::Date}) {
        calc.switchMode(mode);
        for (int tag = 1; tag <= kOnScreenKeys; ++tag) {
            const KeyFace& key = calc.keypad()[static_cast<std::size_t>(tag)];
            EXPECT_FALSE(key.description.empty()) << static_cast<char>(mode) << tag;
            EXPECT_TRUE(KeyHelpText(key).starts_with(key.caption))
                << static_cast<char>(mode) << tag;
        }
    }
    calc.switchMode(CalcMode::Decimal);
    EXPECT_EQ(KeyHelpText(calc.keypad()[kKeyA]), "√ — 平方根: x の平方根 (x ≥ 0)");
    EXPECT_EQ(KeyHelpText(calc.keypad()[kCopy]), "Cb — 表示をコピー");
    EXPECT_EQ(calc.keypad()[kKeyF].description, "関数が割り当てられていません");
    calc.switchMode(CalcMode::Date);
    EXPECT_TRUE(KeyHelpText(calc.keypad()[kTaxIn]).starts_with("整列 — 単位を順に"));
    EXPECT_EQ(calc.keypad()[kKeyA + 3].description, "このモードでは使いません");
}

}  // namespace
}  // namespace tavrik
