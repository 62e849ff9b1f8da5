#include <gtest/gtest.h>

#include "values/math_error.h"
#include "values/unit_arithmetic.h"
#include "values/unit_context.h"

namespace tavrik {
namespace {

using testing::UnitContextTest;

constexpr int kAdd = 19, kSubtract = 20, kMultiply = 21, kDivide = 22, kEquals = 23;

struct OperationCase {
    OperationCase(const char* first, int op, const char* second, const char* result,
                  const char* error = nullptr)
        : first(first), op(op), second(second), result(result), error(error) {}

    const char* first;
    int op;
    const char* second;
    const char* result;
    const char* error;  // the reported error, or nullptr on success
};

std::ostream& operator<<(std::ostream& out, const OperationCase& c) {
    return out << c.first << " op" << c.op << " " << c.second;
}

class UnitOperationTest : public UnitContextTest,
                          public ::testing::WithParamInterface<OperationCase> {
  protected:
    // A failed operation keeps the error in view; a completed one shows its
    // result, even after a malformed operand was reported.
    void check(const std::string& result) {
        const OperationCase& c = GetParam();
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(log.lines,
                  c.error ? std::vector<std::string>{c.error} : std::vector<std::string>{});
        const bool failed = c.error && std::string_view(c.error) != "入力値形式エラー";
        EXPECT_EQ(errorShown(), failed ? c.error : "");
        EXPECT_EQ(infoShown(), failed ? "" : c.result);
    }
};

class TimeOperationTable : public UnitOperationTest {};

TEST_P(TimeOperationTable, Computes) {
    const OperationCase& c = GetParam();
    int unitLevel = 1;  // every operation starts again from the largest units
    check(TimeOperation(ctx, unitLevel, c.op, c.first, c.second));
}

INSTANTIATE_TEST_SUITE_P(
    TimeCells, TimeOperationTable,
    ::testing::Values(OperationCase{"1時", kAdd, "30分", "1時30分0秒"},
                      OperationCase{"1時", kSubtract, "30分", "30分0秒"},
                      OperationCase{"30分", kSubtract, "1時", "-30分0秒"},
                      OperationCase{"23時", kAdd, "2時0.5秒", "1日1時0分0.5秒"},
                      OperationCase{"1時", kMultiply, "30分", "30分", "論理エラー"},
                      OperationCase{"1時", kDivide, "30分", "2"},
                      OperationCase{"1時", kAdd, "5", "5", "論理エラー"},
                      OperationCase{"1時", kSubtract, "5", "5", "論理エラー"},
                      OperationCase{"1時", kMultiply, "3", "3時0分0秒"},
                      OperationCase{"1時", kDivide, "4", "15分0秒"},
                      OperationCase{"5", kAdd, "1時", "1時", "論理エラー"},
                      OperationCase{"5", kSubtract, "1時", "1時", "論理エラー"},
                      OperationCase{"3", kMultiply, "1時", "3時0分0秒"},
                      OperationCase{"2", kDivide, "1時", "1時", "論理エラー"},
                      OperationCase{"5", kAdd, "7", "12"}, OperationCase{"5", kSubtract, "7", "-2"},
                      OperationCase{"5", kMultiply, "7", "35"},
                      OperationCase{"7", kDivide, "2", "3.5"},
                      OperationCase{"-5", kMultiply, "1時", "-5時0分0秒"},
                      OperationCase{"-1時", kAdd, "30分", "-30分0秒"},
                      OperationCase{"1時", kEquals, "30分", "30分", "論理エラー"},
                      OperationCase{"3時5", kAdd, "1時", "4時0分0秒", "入力値形式エラー"}));

class DateOperationTable : public UnitOperationTest {
  protected:
    DateOperationTable() { rules.mode = CalcMode::Date; }
};

TEST_P(DateOperationTable, Computes) {
    const OperationCase& c = GetParam();
    int unitLevel = 1;
    check(DateOperation(ctx, unitLevel, c.op, c.first, c.second));
}

INSTANTIATE_TEST_SUITE_P(
    DateAddition, DateOperationTable,
    ::testing::Values(OperationCase{"c 2024年1月31日", kAdd, "1月", "c 2024年2月29日"},
                      OperationCase{"c 2024年2月29日", kAdd, "1年", "c 2025年2月28日"},
                      OperationCase{"1月", kAdd, "c 2024年1月31日", "c 2024年2月29日"},
                      OperationCase{"c 2024年1月1日", kAdd, "1.5年", "c 2025年7月1日"},
                      OperationCase{"c 2024年1月1日", kAdd, "0.5月", "c 2024年1月16日"},
                      OperationCase{"c 2024年1月1日", kAdd, "30日", "c 2024年1月31日"},
                      OperationCase{"c 2024年1月1日", kAdd, "1年1月1日", "c 2025年2月2日"},
                      OperationCase{"-1月", kAdd, "c 2024年3月31日", "c 2024年2月29日"},
                      OperationCase{"c 2024年1月1日", kAdd, "30", "30", "論理エラー"},
                      OperationCase{"c 2024年1月1日", kAdd, "c 2024年1月2日", "c 2024年1月2日",
                                    "論理エラー"},
                      OperationCase{"1年", kAdd, "6月", "1年6月0日"},
                      OperationCase{"10日", kAdd, "25日", "1月4.5625日"},
                      OperationCase{"5", kAdd, "7", "12"},
                      OperationCase{"1年", kAdd, "7", "7", "論理エラー"}));

INSTANTIATE_TEST_SUITE_P(
    DateSubtraction, DateOperationTable,
    ::testing::Values(OperationCase{"c 2024年3月31日", kSubtract, "1月", "c 2024年2月29日"},
                      OperationCase{"c 2024年1月1日", kSubtract, "1.5年", "c 2022年7月1日"},
                      OperationCase{"c 2024年1月1日", kSubtract, "1日", "c 2023年12月31日"},
                      OperationCase{"c 2024年3月1日", kSubtract, "c 2023年3月1日", "366日"},
                      OperationCase{"c 2023年3月1日", kSubtract, "c 2024年3月1日", "-366日"},
                      OperationCase{"c 2024年2月31日", kSubtract, "c 2024年2月1日", "28日"},
                      OperationCase{"1月", kSubtract, "2月", "-1月0日"},
                      OperationCase{"5日", kSubtract, "10日", "-5日"},
                      OperationCase{"1年", kSubtract, "2年", "-1年0月0日"},
                      // A negative year count is carried into the months first.
                      OperationCase{"1月", kSubtract, "1年", "-11月0日"},
                      OperationCase{"6月", kSubtract, "0.5年", "0日"},
                      OperationCase{"2年3月", kSubtract, "1年1月", "1年2月0日"},
                      OperationCase{"1年", kSubtract, "c 2024年1月1日", "c 2024年1月1日",
                                    "論理エラー"},
                      OperationCase{"5", kSubtract, "7", "-2"},
                      OperationCase{"c 2024年1月1日", kSubtract, "3", "3", "論理エラー"}));

INSTANTIATE_TEST_SUITE_P(
    DateProductAndQuotient, DateOperationTable,
    ::testing::Values(
        OperationCase{"10日", kMultiply, "3", "1月0日"},
        OperationCase{"3", kMultiply, "10日", "1月0日"},
        OperationCase{"10日", kMultiply, "10日", "10日", "論理エラー"},
        OperationCase{"5", kMultiply, "7", "35"},
        OperationCase{"c 2024年1月1日", kMultiply, "2", "2", "論理エラー"},
        OperationCase{"2", kMultiply, "c 2024年1月1日", "c 2024年1月1日", "論理エラー"},
        OperationCase{"c 2024年1月1日", kMultiply, "1日", "1日", "論理エラー"},
        OperationCase{"30日", kDivide, "3", "10日"}, OperationCase{"30日", kDivide, "10日", "3"},
        OperationCase{"7", kDivide, "2", "3.5"},
        OperationCase{"3", kDivide, "30日", "30日", "論理エラー"},
        OperationCase{"c 2024年1月2日", kDivide, "c 2024年1月1日", "c 2024年1月1日", "論理エラー"},
        OperationCase{"c 2024年1月2日", kDivide, "2", "2", "論理エラー"},
        OperationCase{"1日", kEquals, "2日", "2日", "論理エラー"}));

INSTANTIATE_TEST_SUITE_P(
    DateInvalidCalendarOperands, DateOperationTable,
    ::testing::Values(OperationCase{"c 1599年1月1日", kAdd, "1日", "1日", "日付エラー"},
                      OperationCase{"c 3001年1月1日", kAdd, "1日", "1日", "日付エラー"},
                      OperationCase{"c 2024年13月1日", kAdd, "1日", "1日", "日付エラー"},
                      OperationCase{"c 2024年0月1日", kAdd, "1日", "1日", "日付エラー"},
                      OperationCase{"c 2024年2月0日", kAdd, "1日", "1日", "日付エラー"},
                      OperationCase{"c 2024年2月", kAdd, "1日", "1日", "日付エラー"},
                      OperationCase{"c 2024年1.5月1日", kAdd, "1日", "1日", "日付エラー"},
                      OperationCase{"1日", kAdd, "c 2024.5年1月1日", "c 2024.5年1月1日",
                                    "日付エラー"}));

using UnitOperations = UnitContextTest;

TEST_F(UnitOperations, LeaveOtherModesAlone) {
    rules.mode = CalcMode::Date;
    int unitLevel = 2;
    EXPECT_EQ(TimeOperation(ctx, unitLevel, kAdd, "1時", "2時"), "2時");
    rules.mode = CalcMode::Time;
    EXPECT_EQ(DateOperation(ctx, unitLevel, kAdd, "1日", "c 2024年1月1日"), "c 2024年1月1日");
    EXPECT_EQ(unitLevel, 2);
    EXPECT_EQ(errorShown(), "");
    EXPECT_EQ(infoShown(), "");
}

TEST_F(UnitOperations, ArithmeticFailuresPropagate) {
    struct Case {
        CalcMode mode;
        const char* first;
        int op;
        const char* second;
        FailureKind kind;
    };
    for (const Case& c :
         {Case{CalcMode::Time, "1時", kDivide, "0", FailureKind::ZeroDivide},
          Case{CalcMode::Time, "1時", kDivide, "0秒", FailureKind::ZeroDivide},
          Case{CalcMode::Time, "0", kDivide, "0", FailureKind::InvalidOp},
          Case{CalcMode::Date, "1日", kDivide, "0", FailureKind::ZeroDivide},
          Case{CalcMode::Date, "c 2024年1月1日", kAdd, "3000000000日", FailureKind::IntOverflow},
          Case{CalcMode::Date, "c 3000年1月1日", kAdd, "8000年", FailureKind::Convert},
          Case{CalcMode::Date, "c 1600年1月1日", kSubtract, "1600年", FailureKind::Convert},
          Case{CalcMode::Date, "1.2.3年", kAdd, "1日", FailureKind::Convert}}) {
        SCOPED_TRACE(c.first);
        rules.mode = c.mode;
        int unitLevel = kAnyUnitLevel;
        try {
            if (c.mode == CalcMode::Time)
                TimeOperation(ctx, unitLevel, c.op, c.first, c.second);
            else
                DateOperation(ctx, unitLevel, c.op, c.first, c.second);
            ADD_FAILURE() << "no failure";
        } catch (const CalcFailure& failure) {
            EXPECT_EQ(failure.kind(), c.kind);
        }
    }
}

}  // namespace
}  // namespace tavrik
