// Proleptic Gregorian calendar over day numbers counted from 30 December 1899.
#pragma once

#include <cstdint>

namespace aeon {

struct CivilDate {
    int year;
    int month;  // 1..12
    int day;    // 1..31
    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);

// Day 0 is 30 December 1899; 1 January 2016 is day 42,370.
std::int64_t dayNumber(const CivilDate& date);
CivilDate civilDate(std::int64_t dayNumber);

// 0 = Sunday ... 6 = Saturday.
int dayOfWeek(std::int64_t dayNumber);

// The range of dates the program reads and writes: 1 January 1 to 31 December 9999.
inline constexpr std::int64_t kFirstDayNumber = -693593;
inline constexpr std::int64_t kLastDayNumber = 2958465;

}  // namespace aeon
