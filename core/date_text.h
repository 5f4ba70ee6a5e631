// Reading a date from text under the regional date separator and date order.
#pragma once

#include <cstdint>
#include <string_view>

#include "regional_settings.h"

namespace aeon {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

DateOrder dateOrderOf(std::string_view shortDatePattern);

// The date-time value (days since 30 December 1899) at midnight of the date in the text.
// Two-digit years and missing years resolve against `presentYear`.
// Raises EConvertError (the date error) for a text that is not a date.
double TextToDate(std::string_view text, const RegionalSettings& settings, int presentYear);
double TextToDate(std::string_view text);  // current settings and the present year

// The present calendar year (UTC), which resolves two-digit and missing years.
int PresentYear();

// A date followed by an optional time of day (hour, minutes and seconds between time
// separators, with an optional before/after-noon marker), as a day number and the seconds of
// that day. Raises EConvertError for a text that is not a date with an optional time.
struct DateTimeSeconds {
    std::int64_t day;
    int secondOfDay;
};
DateTimeSeconds TextToDateTimeSeconds(std::string_view text, const RegionalSettings& settings,
                                      int presentYear);

}  // namespace aeon
