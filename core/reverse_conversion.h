// From a date and time in the model year back to the ages that fall on that second.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "regional_settings.h"
#include "year_model.h"

namespace aeon {

// Every age a (in years) with youngestYears < a <= oldestYears converts to `second`: the
// interval [oldest, youngest) of ages, counted from the oldest, that share that second.
struct AgeInterval {
    std::int64_t second;  // the second of the model year
    double oldestYears;
    double youngestYears;
};

// The exact interval for one second, found on the conversion's own arithmetic.
AgeInterval AgesForYearSecond(const YearModel& model, std::int64_t second);

// Reads a date with an optional time (short-date pattern, then the long-time pattern) and
// returns the ages that fall on that second. Raises EConvertError for a text that is not a date
// and time, and EInvalidOp for a second no age in years reaches.
AgeInterval ReverseConvert(const YearModel& model, std::string_view dateTimeText,
                           const RegionalSettings& settings, int presentYear);

// The roundest age inside the interval, in the most readable row unit, as the window says it:
// "vor 65 Millionen Jahren". Numbers use the settings' decimal separator.
std::string ReadableAge(const AgeInterval& interval, const RegionalSettings& settings);

}  // namespace aeon
