#include <gtest/gtest.h>

#include "values/large_number_reading.h"

namespace tavrik {
namespace {

TEST(LargeNumberReadingTest, ReadsInUnitsOfTenThousand) {
    const struct {
        const char* number;
        const char* reading;
    } cases[] = {
        {"0", "0"},
        {"-0", "0"},
        {"7", "7"},
        {"12345", "1万2345"},
        {"123456789", "1億2345万6789"},
        {"1,234,567", "123万4567"},
        {"100000001", "1億1"},
        {"100000000", "1億"},
        {"-12345.5", "-1万2345.5"},
        {"10000.25", "1万0.25"},
        {"0.125", "0.125"},
        {"-0.5", "-0.5"},
        {"123.", "123"},
        {"1.50", "1.5"},
        {"10000000000000000", "1京"},
        {"1E16", "1京"},
        {"1.2E20", "1垓2000京"},
        {"-3.5E-2", "-0.035"},
        {"12345678901234567", "1京2345兆6789億123万4567"},
        {"1E71", "1000無量大数"},
    };
    for (const auto& c : cases) EXPECT_EQ(LargeNumberReading(c.number), c.reading) << c.number;
}

TEST(LargeNumberReadingTest, NoReadingForOtherTexts) {
    for (const char* text : {"", "-", "E", "12:30", "2024/01/02", "1A", "1E", "1E72", "1E+999"})
        EXPECT_EQ(LargeNumberReading(text), "") << text;
}

// Shown under the display only in decimal mode, and only once a unit is read.
TEST(LargeNumberReadingTest, DisplayReadingNeedsAUnitInDecimalMode) {
    EXPECT_EQ(ReadingOf("123456789", CalcMode::Decimal), "1億2345万6789");
    EXPECT_EQ(ReadingOf("9999", CalcMode::Decimal), "");
    EXPECT_EQ(ReadingOf("-0.5", CalcMode::Decimal), "");
    EXPECT_EQ(ReadingOf("123456789", CalcMode::Mixed), "");
    EXPECT_EQ(ReadingOf("123456789", CalcMode::Time), "");
}

}  // namespace
}  // namespace tavrik
