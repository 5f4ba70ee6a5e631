// Fuzz target: the date reader. Byte 0 picks the settings, byte 1 the present year, the rest is
// the text. A date that reads renders back to the same day under matching settings.
#include <cstdlib>
#include <string>

#include "calendar.h"
#include "date_format.h"
#include "date_text.h"
#include "errors.h"
#include "fuzz_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const aeon::RegionalSettings settings = aeon::fuzz::settingsFor(data[0]);
    const int presentYear = 1950 + data[1];
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    double day = 0;
    try {
        day = aeon::TextToDate(text, settings, presentYear);
    } catch (const aeon::EConvertError& e) {
        if (std::string(e.what()) != "'" + aeon::fuzz::shown(text) + "' ist kein gültiges Datum")
            std::abort();
        return 0;
    }
    if (day != static_cast<double>(static_cast<std::int64_t>(day)) ||
        day < static_cast<double>(aeon::kFirstDayNumber) ||
        day > static_cast<double>(aeon::kLastDayNumber)) {
        std::abort();
    }
    // Written with four-digit years in the settings' own order, it reads back to the same day.
    const aeon::DateOrder order = aeon::dateOrderOf(settings.shortDatePattern);
    const char* pattern = order == aeon::DateOrder::DayMonthYear   ? "dd/MM/yyyy"
                          : order == aeon::DateOrder::MonthDayYear ? "MM/dd/yyyy"
                                                                   : "yyyy/MM/dd";
    const std::string written = aeon::FormatDateTime(pattern, day, settings);
    if (aeon::TextToDate(written, settings, presentYear) != day) std::abort();
    return 0;
}
