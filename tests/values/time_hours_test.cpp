#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "values/unit_arithmetic.h"
#include "values/unit_context.h"
#include "values/unit_operand.h"

namespace tavrik {
namespace {

class TimeHours : public testing::UnitContextTest {
  protected:
    std::string operation(int op, const std::string& first, const std::string& second) {
        int unitLevel = 0;
        return TimeOperation(ctx, unitLevel, op, first, second);
    }
};

// A time sheet's round trip: a time divided by 1時 gives decimal hours, which
// times 1時 give the same time again to the second, over two days. (The hours
// keep 15 digits, so the way back may miss by a fraction of a second.)
TEST_F(TimeHours, TimeToHoursAndBackIsTheIdentityToTheSecond) {
    constexpr int kTwoDays = 2 * 24 * 3600;
    constexpr int kStep = 7;  // a prime step meets every second and minute value
    int wrong = 0;
    for (int second = 0; second <= kTwoDays && wrong < 5; second += kStep) {
        const std::string time = std::to_string(second / 3600) + "時" +
                                 std::to_string(second / 60 % 60) + "分" +
                                 std::to_string(second % 60) + "秒";
        const std::string hours = operation(kUnitDivide, time, "1時");
        const std::string back = operation(kUnitMultiply, hours, "1時");
        const long double seconds = ReadTimeOperand(ctx, back).value;
        if (std::round(seconds) != second) ++wrong;
        EXPECT_EQ(std::round(seconds), second) << time << " → " << hours << " → " << back;
    }
    EXPECT_EQ(operation(kUnitDivide, "8時15分", "1時"), "8.25");
    EXPECT_EQ(operation(kUnitMultiply, "8.25", "1時"), "8時15分0秒");
}

}  // namespace
}  // namespace tavrik
