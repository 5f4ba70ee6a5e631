// The day-number calendar: every day of the years 1 to 9999 round-trips and follows its neighbour.
#include "calendar.h"

#include <gtest/gtest.h>

namespace aeon {
namespace {

TEST(Calendar, AnchorDays) {
    EXPECT_EQ(dayNumber({1899, 12, 30}), 0);
    EXPECT_EQ(dayNumber({2016, 1, 1}), 42370);
    EXPECT_EQ(dayNumber({1, 1, 1}), kFirstDayNumber);
    EXPECT_EQ(dayNumber({9999, 12, 31}), kLastDayNumber);
    EXPECT_EQ(dayOfWeek(42370), 5);  // Friday
    EXPECT_EQ(dayOfWeek(0), 6);      // Saturday
    EXPECT_EQ(dayOfWeek(-1), 5);
}

TEST(Calendar, EveryDayRoundTripsAndContinues) {
    CivilDate previous = civilDate(kFirstDayNumber - 1);
    for (std::int64_t day = kFirstDayNumber; day <= kLastDayNumber; ++day) {
        const CivilDate date = civilDate(day);
        ASSERT_EQ(dayNumber(date), day);
        const bool nextDay = date.year == previous.year && date.month == previous.month &&
                             date.day == previous.day + 1;
        const bool nextMonth =
            date.day == 1 && previous.day == daysInMonth(previous.year, previous.month) &&
            ((date.month == previous.month + 1 && date.year == previous.year) ||
             (date.month == 1 && previous.month == 12 && date.year == previous.year + 1));
        ASSERT_TRUE(nextDay || nextMonth) << day;
        ASSERT_EQ(dayOfWeek(day), (dayOfWeek(day - 1) + 1) % 7);
        previous = date;
    }
}

TEST(Calendar, LeapYears) {
    EXPECT_TRUE(isLeapYear(2016));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2015));
    EXPECT_EQ(daysInMonth(2016, 2), 29);
    EXPECT_EQ(daysInMonth(2100, 2), 28);
}

}  // namespace
}  // namespace aeon
