// Writing a date-time value as text under the regional patterns and names.
#pragma once

#include <string>
#include <string_view>

#include "regional_settings.h"

namespace aeon {

// Renders `pattern` (the token language of the regional patterns) for a date-time value, a
// count of days since 30 December 1899 with the time of day as its fraction. The text is cut
// at 256 characters. Raises EInvalidOp for a value outside 1 January 1 .. 31 December 9999.
std::string FormatDateTime(std::string_view pattern, double value,
                           const RegionalSettings& settings);

// The short date and, unless the value is exactly midnight, a blank and the long time.
std::string DateTimeToText(double value, const RegionalSettings& settings);
std::string DateTimeToText(double value);  // under the current settings

inline constexpr std::size_t kMaxDateTimeTextLength = 256;

}  // namespace aeon
