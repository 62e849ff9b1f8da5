#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "values/calendar.h"
#include "values/date_text.h"
#include "values/holidays.h"
#include "values/office_calendar.h"
#include "values/unit_arithmetic.h"
#include "values/unit_context.h"
#include "values/unit_operand.h"

namespace tavrik {
namespace {

double Day(int year, int month, int day) {
    return *DateValueOf({year, month, day});
}

// Every day of 1955–2050 against the published list kept as test data.
TEST(NationalHolidays, AgreeWithThePublishedList) {
    std::ifstream file(TAVRIK_VALUES_TEST_DATA "/japanese_holidays.csv");
    ASSERT_TRUE(file) << "holiday table missing";
    std::map<int, std::string> listed;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') continue;
        const int y = std::stoi(line.substr(0, 4)), m = std::stoi(line.substr(5, 2)),
                  d = std::stoi(line.substr(8, 2));
        listed[static_cast<int>(Day(y, m, d))] = line.substr(11);
    }
    ASSERT_GT(listed.size(), 1400u);
    int mismatches = 0;
    for (double day = Day(1955, 1, 1); day <= Day(2050, 12, 31) && mismatches < 10; ++day) {
        const auto found = listed.find(static_cast<int>(day));
        const std::string expected = found == listed.end() ? "" : found->second;
        const CivilDate date = CivilDateOf(day);
        const std::string_view name = NationalHolidayName(date);
        if (name != expected) ++mismatches;
        EXPECT_EQ(name, expected) << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(NationalHolidays, BeginWithTheLawAndReachPast2099) {
    EXPECT_EQ(NationalHolidayName({1948, 5, 3}), "");
    EXPECT_EQ(NationalHolidayName({1948, 9, 23}), "秋分の日");
    EXPECT_EQ(NationalHolidayName({1948, 11, 3}), "文化の日");
    EXPECT_EQ(NationalHolidayName({2099, 3, 20}), "春分の日");
    EXPECT_EQ(NationalHolidayName({2099, 11, 23}), "勤労感謝の日");
    EXPECT_EQ(NationalHolidayName({2151, 1, 1}), "");
}

TEST(HolidayList, ReadsValidDatesSortedAndSkipsTheRest) {
    EXPECT_EQ(
        ReadHolidayList("2024/12/31, 2024/12/30,,2024/2/30,abc 2025/1/2"),
        (std::vector<int>{static_cast<int>(Day(2024, 12, 30)), static_cast<int>(Day(2024, 12, 31)),
                          static_cast<int>(Day(2025, 1, 2))}));
    EXPECT_TRUE(ReadHolidayList("").empty());
}

struct ShiftCase {
    double from;
    long long count;
    double expected;
};

TEST(BusinessDays, SkipWeekendsHolidaysAndTheUsersDays) {
    const OfficeCalendar office{true, false, false, ReadHolidayList("2024/12/30,2024/12/31")};
    const ShiftCase cases[] = {
        {Day(2024, 5, 2), 1, Day(2024, 5, 7)},    // past Golden Week
        {Day(2024, 5, 7), -1, Day(2024, 5, 2)},   // and back
        {Day(2024, 5, 4), 0, Day(2024, 5, 4)},    // zero keeps a holiday
        {Day(2024, 12, 27), 1, Day(2025, 1, 2)},  // the user's days, then 元日
        {Day(2024, 6, 3), 10, Day(2024, 6, 17)},  // two plain weeks
        {Day(2019, 4, 26), 1, Day(2019, 5, 7)},   // ten days off in 2019
    };
    for (const ShiftCase& c : cases)
        EXPECT_EQ(ShiftBusinessDays(office, c.from, c.count), c.expected)
            << c.from << "+" << c.count;
    EXPECT_EQ(HolidayName(office, Day(2024, 12, 30)), "休業日");
    EXPECT_EQ(HolidayName(office, Day(2024, 5, 6)), "振替休日");
}

TEST(BusinessDays, BetweenTwoDatesCountsTheLastDayAndOnRequestTheFirst) {
    OfficeCalendar office{true, false, false, {}};
    EXPECT_EQ(BusinessDaysBetween(office, Day(2024, 5, 1), Day(2024, 5, 31)), 20);
    EXPECT_EQ(BusinessDaysBetween(office, Day(2024, 5, 31), Day(2024, 5, 1)), -20);
    EXPECT_EQ(BusinessDaysBetween(office, Day(2024, 5, 3), Day(2024, 5, 6)), 0);
    office.firstDayCounted = true;
    EXPECT_EQ(BusinessDaysBetween(office, Day(2024, 5, 1), Day(2024, 5, 31)), 21);
    EXPECT_EQ(BusinessDaysBetween(office, Day(2024, 5, 3), Day(2024, 5, 6)), 0);
    EXPECT_EQ(CountedDayDifference(office, 30), 31);
    EXPECT_EQ(CountedDayDifference(office, -30), -31);
}

struct DateCase {
    bool businessDays;
    bool firstDay;
    const char* first;
    int op;
    const char* second;
    const char* result;
};

class OfficeDateOperations : public testing::UnitContextTest,
                             public ::testing::WithParamInterface<DateCase> {};

TEST_P(OfficeDateOperations, Compute) {
    const DateCase& c = GetParam();
    rules.mode = CalcMode::Date;
    rules.office = {c.businessDays, c.firstDay, false, {}};
    int unitLevel = 0;
    EXPECT_EQ(DateOperation(ctx, unitLevel, c.op, c.first, c.second), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    OnAndOff, OfficeDateOperations,
    ::testing::Values(
        DateCase{true, false, "c 2024年5月2日", kUnitAdd, "3", "c 2024年5月9日"},
        DateCase{true, false, "3", kUnitAdd, "c 2024年5月2日", "c 2024年5月9日"},
        DateCase{true, false, "c 2024年5月7日", kUnitSubtract, "1", "c 2024年5月2日"},
        DateCase{true, false, "c 2024年5月31日", kUnitDivide, "c 2024年5月1日", "20"},
        DateCase{true, true, "c 2024年5月31日", kUnitDivide, "c 2024年5月1日", "21"},
        DateCase{true, false, "c 2024年5月2日", kUnitAdd, "1.5", "1.5"},
        DateCase{true, false, "c 2024年5月2日", kUnitAdd, "3日", "c 2024年5月5日"},
        DateCase{false, true, "c 2024年5月31日", kUnitSubtract, "c 2024年5月1日", "31日"},
        DateCase{false, false, "c 2024年5月31日", kUnitSubtract, "c 2024年5月1日", "30日"},
        DateCase{false, false, "c 2024年5月2日", kUnitAdd, "3", "3"}));

using OfficeInformationLine = testing::UnitContextTest;

TEST_F(OfficeInformationLine, NamesAHolidayOnlyWithBusinessDays) {
    rules.mode = CalcMode::Date;
    CompleteDateText(ctx, "c 2024年5月3日", true);
    EXPECT_EQ(infoShown(), "西暦2024(令和6)年5月3日(金) 月齢24.4");
    rules.office.businessDays = true;
    CompleteDateText(ctx, "c 2024年5月3日", true);
    EXPECT_EQ(infoShown(), "西暦2024(令和6)年5月3日(金) 月齢24.4 憲法記念日");
}

}  // namespace
}  // namespace tavrik
