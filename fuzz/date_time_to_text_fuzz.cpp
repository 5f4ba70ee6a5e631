// Fuzz target: the date-time renderer with an arbitrary pattern, value and settings record.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "calendar.h"
#include "date_format.h"
#include "errors.h"
#include "regional_settings.h"
#include "utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    aeon::RegionalSettings s = aeon::RegionalSettings::fallback();
    s.dateSeparator = input.ConsumeRandomLengthString(8);
    s.timeSeparator = input.ConsumeRandomLengthString(8);
    s.shortDatePattern = input.ConsumeRandomLengthString(64);
    s.longDatePattern = input.ConsumeRandomLengthString(64);
    s.shortTimePattern = input.ConsumeRandomLengthString(64);
    s.longTimePattern = input.ConsumeRandomLengthString(64);
    s.timeAMString = input.ConsumeRandomLengthString(16);
    s.timePMString = input.ConsumeRandomLengthString(16);
    s.longMonthNames[input.ConsumeIntegralInRange<std::size_t>(0, 11)] =
        input.ConsumeRandomLengthString(300);
    const double value = input.ConsumeBool() ? input.ConsumeFloatingPoint<double>()
                                             : input.ConsumeFloatingPointInRange<double>(
                                                   static_cast<double>(aeon::kFirstDayNumber),
                                                   static_cast<double>(aeon::kLastDayNumber));
    const std::string pattern = input.ConsumeRemainingBytesAsString();
    const bool inRange = std::isfinite(value) &&
                         value >= static_cast<double>(aeon::kFirstDayNumber) &&
                         value < static_cast<double>(aeon::kLastDayNumber);
    try {
        const std::string text = aeon::FormatDateTime(pattern, value, s);
        if (aeon::utf8::countCodePoints(text) > aeon::kMaxDateTimeTextLength) std::abort();
        const std::string plain = aeon::DateTimeToText(value, s);
        if (aeon::utf8::countCodePoints(plain) > aeon::kMaxDateTimeTextLength) std::abort();
    } catch (const aeon::EInvalidOp& e) {
        if (inRange || std::string(e.what()) != "Ungültige Gleitkommaoperation") std::abort();
    }
    return 0;
}
