#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "formula/operations.h"
#include "support/recording_view.h"
#include "values/math_error.h"

namespace tavrik {
namespace {

class OperationsTest : public ::testing::Test {
  protected:
    OperationsTest() : status(view), errors(view, status, log), random(1) {}

    long double apply(int code, long double x, long double y = 0) {
        OperationContext ctx{mode, status, errors, tax, taxRound, random, formulas, evaluator};
        return ApplyOperator(ctx, code, x, y);
    }

    testing::RecordingView view;
    NullLog log;
    StatusLine status;
    ErrorReporter errors;
    std::mt19937 random;
    CalcMode mode = CalcMode::Decimal;
    int tax = 5, taxRound = 0;
    std::array<std::string, 6> formulas;
    UserFunctionEvaluator evaluator;
};

constexpr long double kPi = std::numbers::pi_v<long double>;

TEST_F(OperationsTest, NormalValues) {
    struct Case {
        int code;
        long double x, y, expected;
    };
    const Case cases[] = {
        {19, 2, 3, 5},        {20, 2, 3, -1},       {21, 2, 3, 6},
        {22, 3, 4, 0.75L},    {23, 7, 1, 7},        {24, 50, 0, 0.5L},
        {101, 16, 0, 4},      {102, 3, 0, 9},       {103, 4, 0, 0.25L},
        {104, 0, 0, 0},       {105, 0, 0, 1},       {106, 0, 0, 0},
        {107, 123, 0, kPi},   {115, 9, 0, 9},       {121, -2.5L, 0, -2},
        {122, 2.9L, 0, 2},    {123, 2.1L, 0, 3},    {123, -2.1L, 0, -2},
        {124, 2.9L, 0, 2},    {124, -2.1L, 0, -3},  {125, -2.75L, 0, -0.75L},
        {126, 2.5L, 0, 2},    {126, 3.5L, 0, 4},    {127, 5, 0, 120},
        {127, 0, 0, 1},       {127, 2.5L, 0, 2.5L}, {127, 1, 0, 1},
        {128, 5, 2, 20},      {129, 5, 2, 10},      {128, 5, 0, 1},
        {129, 5, 0, 1},       {129, 0, 0, 1},       {128, 5, 7, 0},
        {129, 5, 7, 0},       {131, 0, 0, 1},       {133, 3, 4, 48},
        {134, 1, 0, 0},       {135, 0, 0, 0},       {136, 8, 0, 3},
        {137, 1000, 0, 3},    {138, 2, 8, 3},       {139, 2, 10, 1024},
        {139, 0, 0, 1},       {151, 1, 0, 0},       {152, 1, 0, 0},
        {152, 0.5L, 0, 0},    {159, 0, 0, 0},       {160, 0, 0, 0},
        {161, 1, 1, kPi / 4}, {163, 0, 0, 1},       {169, 0.5L, 0, 180},
        {170, 0.5L, 0, 200},  {171, 0.5L, 0, kPi},  {172, 90, 0, 0.25L},
        {173, 90, 0, 100},    {174, 180, 0, kPi},   {175, 100, 0, 0.25L},
        {176, 100, 0, 90},    {177, 200, 0, kPi},   {178, 3, 4, 5},
        {179, kPi, 0, 0.5L},  {180, kPi, 0, 180},   {181, kPi, 0, 200},
        {184, 0, 0, 1},       {185, 0, 0, 0},       {186, 0, 0, 0},
        {186, 6000, 0, 1},    {186, -6000, 0, -1},  {187, 3, 0, 30000},
        {188, 2, 0, 2e8L},    {189, 2, 0, 2e12L},   {190, 2, 0, 2e16L},
        {104, 1e19L, 0, 0},   {105, 1e19L, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        errors.setErrCtMax(5);
        errors.ReportCalcError("earlier");
        const long double r = apply(c.code, c.x, c.y);
        EXPECT_NEAR(static_cast<double>(r), static_cast<double>(c.expected),
                    1e-12 * std::max(1.0, std::fabs(static_cast<double>(c.expected))));
        EXPECT_EQ(errors.errorCount(), 0) << "a normal result resets the error count";
    }
}

TEST_F(OperationsTest, DomainFailuresAreReportedAndKeepX) {
    struct Case {
        int code;
        long double x, y;
        const char* message;
    };
    const Case cases[] = {
        {22, 5, 0, "０除算エラー"},
        {103, 0, 0, "０除算エラー"},
        {101, -1, 0, "無効演算"},
        {134, -1, 0, "無効演算"},
        {134, 0, 0, "０除算エラー"},
        {131, 20000, 0, "オーバーフロー"},
        {151, 2, 0, "無効演算"},
        {159, -2, 0, "無効演算"},
        {122, 1e30L, 0, "無効演算"},
        {126, -1e30L, 0, "無効演算"},
        {127, -3, 0, "範囲外パラメータ"},
        {128, -5, 2, "範囲外パラメータ"},
        {129, 5.5L, 2, "範囲外パラメータ"},
        {129, 5, -1, "範囲外パラメータ"},
        {128, 5, 1.5L, "範囲外パラメータ"},
        {123, 3e9L, 0, "オーバーフロー"},
        {124, -3e9L, 0, "オーバーフロー"},
        {133, 1, 3e9L, "オーバーフロー"},
        {141, 5e9L, 0, "オーバーフロー"},
        {143, 5e9L, 0, "オーバーフロー"},
        {144, 1, 5e9L, "オーバーフロー"},
        {139, -8, 0.5L, "無効演算"},
        {139, 0, -1, "０除算エラー"},
        {102, 1e3000L, 0, "オーバーフロー"},
        {138, 1, 8, "０除算エラー"},
        // ln 0 is the first failing step, whichever operand is 0.
        {138, 0, 8, "０除算エラー"},
        {138, 2, 0, "０除算エラー"},
        {138, 0, 0, "０除算エラー"},
        {162, 0, 0, "０除算エラー"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        status.DspMsg("", kMessageClear);
        EXPECT_EQ(apply(c.code, c.x, c.y), c.x);
        EXPECT_EQ(status.strip(), c.message);
    }
}

TEST_F(OperationsTest, ResultGoesToPanelTwoInFullPrecision) {
    apply(22, 2, 3);
    EXPECT_EQ(status.panel(StatusPart::Message), "0.666666666666667");
    apply(107, 0);
    EXPECT_EQ(status.panel(StatusPart::Message), "3.14159265358979");
}

TEST_F(OperationsTest, MixedModeTruncatesResults) {
    mode = CalcMode::Mixed;
    EXPECT_EQ(apply(22, 7, 2), 3);
    EXPECT_EQ(apply(22, -7, 2), -3);
    EXPECT_EQ(status.panel(StatusPart::Message), "-3");
}

TEST_F(OperationsTest, TaxKeys) {
    tax = 8;
    taxRound = 1;
    EXPECT_EQ(apply(33, 100), 108);
    EXPECT_EQ(apply(34, 108), 100);
    taxRound = 0;
    EXPECT_NEAR(static_cast<double>(apply(33, 99)), 106.92, 1e-12);
}

TEST_F(OperationsTest, RandomFunctionsFollowTheSeed) {
    apply(141, 42);
    const long double a = apply(142, 0), b = apply(143, 10), c = apply(144, 5, -5);
    EXPECT_GE(a, 0);
    EXPECT_LT(a, 1);
    EXPECT_GE(b, 0);
    EXPECT_LE(b, 9);
    EXPECT_EQ(b, std::trunc(b));
    EXPECT_GE(c, -5);
    EXPECT_LT(c, 5);
    apply(141, 42);
    EXPECT_EQ(apply(142, 0), a);
    EXPECT_EQ(apply(143, 10), b);
    EXPECT_EQ(apply(144, 5, -5), c);
    EXPECT_EQ(apply(143, 0), 0);
    EXPECT_EQ(apply(144, 3, 3), 3);
    long double sum = 0;
    for (int i = 0; i < 2000; ++i) sum += apply(145, 10, 2);
    EXPECT_NEAR(static_cast<double>(sum / 2000), 10.0, 0.3);
}

TEST_F(OperationsTest, PermutationsAndCombinationsOfLargeArgumentsAnswerAtOnce) {
    EXPECT_EQ(apply(129, 1e20L, 1e20L), 1);
    EXPECT_EQ(apply(129, 1e8L, 1e8L - 1), 1e8L);
    EXPECT_EQ(apply(129, 60, 30), 118264581564861424.0L) << "exact within 64 bits";
    EXPECT_EQ(apply(128, 20, 20), 2432902008176640000.0L);
    const struct {
        int code;
        long double n, k;
    } overflowing[] = {
        {128, 1e20L, 1e20L}, {128, 1e8L, 1e8L},   {128, 1e8L, 5000},
        {129, 1e8L, 5e7L},   {129, 40000, 16000}, {129, 1e20L, 5e19L},
    };
    for (const auto& c : overflowing) {
        SCOPED_TRACE(c.code);
        status.DspMsg("", kMessageClear);
        EXPECT_EQ(apply(c.code, c.n, c.k), c.n);
        EXPECT_EQ(status.strip(), "オーバーフロー");
    }
}

TEST_F(OperationsTest, RandomIntegerSpansTheWhole32BitRange) {
    long double lowest = 0, highest = 0;
    for (int i = 0; i < 64; ++i) {
        const long double r = apply(144, -2147483648.0L, 2147483647.0L);
        ASSERT_EQ(r, std::trunc(r));
        ASSERT_GE(r, -2147483648.0L);
        ASSERT_LT(r, 2147483647.0L);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, -1e9L);
    EXPECT_GT(highest, 1e9L);
}

TEST_F(OperationsTest, UserFunctions) {
    EXPECT_EQ(apply(109, 7, 2), 7) << "an empty formula returns x";
    formulas[1] = "X*Y+1";
    evaluator = [](std::string_view, long double x, long double y) { return x * y + 1; };
    EXPECT_EQ(apply(110, 3, 4), 13);
    EXPECT_EQ(FunctionArity(110, formulas), 2);
    formulas[2] = "x*2";
    EXPECT_EQ(FunctionArity(111, formulas), 1);
}

}  // namespace
}  // namespace tavrik
