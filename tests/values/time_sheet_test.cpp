#include <gtest/gtest.h>

#include <string>

#include "values/time_sheet.h"
#include "values/unit_context.h"
#include "values/unit_operand.h"

namespace tavrik {
namespace {

class TimeSheet : public testing::UnitContextTest {
  protected:
    std::string hours(const std::string& text) { return ToggleDecimalHours(ctx, level, text); }
    std::string rounded(const std::string& text, int minutes, TimeRounding rounding) {
        return RoundTime(ctx, level, text, minutes, rounding);
    }
    std::string difference(const std::string& from, const std::string& to) {
        return ClockDifference(ctx, level, from, to);
    }
    int level = kAnyUnitLevel;
};

// Time → hours → time gives every second back exactly, over two days.
TEST_F(TimeSheet, TimeToHoursAndBackIsTheIdentityToTheSecond) {
    constexpr int kTwoDays = 2 * 24 * 3600;
    constexpr int kStep = 7;  // a prime step meets every second and minute value
    int wrong = 0;
    for (int second = 0; second <= kTwoDays && wrong < 5; second += kStep) {
        const std::string time = std::to_string(second) + "秒";
        const std::string back = hours(hours(time));
        if (ReadTimeOperand(ctx, back).value != second) ++wrong;
        EXPECT_EQ(ReadTimeOperand(ctx, back).value, second) << time << " → " << back;
    }
}

TEST_F(TimeSheet, DecimalHoursBothWays) {
    const struct {
        const char* from;
        const char* to;
    } cases[] = {
        {"8時15分", "8.25"},
        {"8.25", "8時15分0秒"},
        {"45分", "0.75"},
        {"1日2時30分", "26.5"},
        {"8時10分", "8.16666666666667"},
        {"8.16666666666667", "8時10分0秒"},
        {"-1時30分", "-1.5"},
        {"0.5", "30分0秒"},
        {"1.5秒", "0.000416666666666667"},
        {"0.000416666666666667", "1.5秒"},
    };
    for (const auto& c : cases) EXPECT_EQ(hours(c.from), c.to) << c.from;
}

TEST_F(TimeSheet, RoundsToFifteenOrThirtyMinutes) {
    using enum TimeRounding;
    const struct {
        const char* time;
        int minutes;
        TimeRounding rounding;
        const char* result;
    } cases[] = {
        {"8時7分", 15, Up, "8時15分0秒"},
        {"8時7分", 15, Down, "8時0分0秒"},
        {"8時7分", 15, Nearest, "8時0分0秒"},
        {"8時7分30秒", 15, Nearest, "8時15分0秒"},
        {"8時15分", 15, Up, "8時15分0秒"},
        {"8時15分1秒", 15, Up, "8時30分0秒"},
        {"8時44分59秒", 30, Down, "8時30分0秒"},
        {"8時45分", 30, Nearest, "9時0分0秒"},
        {"8時44分59秒", 30, Nearest, "8時30分0秒"},
        {"23時50分", 30, Up, "1日0時0分0秒"},
        {"10分", 15, Down, "0秒"},
        {"-10分", 15, Down, "-15分0秒"},
        {"-7分30秒", 15, Nearest, "-15分0秒"},
        {"8", 15, Up, "8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rounded(c.time, c.minutes, c.rounding), c.result)
            << c.time << " " << c.minutes << " " << static_cast<int>(c.rounding);
}

TEST_F(TimeSheet, ClockDifferenceCrossesMidnight) {
    const struct {
        const char* from;
        const char* to;
        const char* result;
    } cases[] = {
        {"22時", "6時", "8時0分0秒"},       {"9時", "17時30分", "8時30分0秒"},
        {"23時45分", "0時15分", "30分0秒"}, {"8時", "8時", "0秒"},
        {"0時", "24時", "1日0時0分0秒"},    {"17時", "9時", "16時0分0秒"},
    };
    for (const auto& c : cases) EXPECT_EQ(difference(c.from, c.to), c.result) << c.from;
}

// Only clock times of one day are read: a bare number, a negative time or
// one over 24 hours is a logic error, and the right operand stays.
TEST_F(TimeSheet, ClockDifferenceRefusesWhatIsNoClockTime) {
    for (const char* from : {"8", "-1時", "1日1時"}) {
        EXPECT_EQ(difference(from, "6時"), "6時") << from;
        EXPECT_EQ(errorShown(), "論理エラー") << from;
    }
}

}  // namespace
}  // namespace tavrik
