// Maps a POSIX locale's strftime formats and texts onto regional settings.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "regional_settings.h"

namespace aeon {

// The raw locale items, already in UTF-8.
struct PosixLocaleData {
    std::string radixChar;       // RADIXCHAR
    std::string dateFormat;      // D_FMT
    std::string timeFormat;      // T_FMT
    std::string timeFormatAmPm;  // T_FMT_AMPM
    std::string amString;
    std::string pmString;
    std::array<std::string, 12> longMonthNames;   // MON_1..
    std::array<std::string, 12> shortMonthNames;  // ABMON_1..
    std::array<std::string, 7> longDayNames;      // DAY_1.. (Sunday first)
    std::array<std::string, 7> shortDayNames;     // ABDAY_1..
};

// `fellBack`, when given, receives the names of the fields the locale could not supply.
RegionalSettings settingsFromPosixLocale(const PosixLocaleData& data,
                                         std::vector<std::string>* fellBack = nullptr);

// The items of the process's locale as the environment names it; nothing if it cannot be loaded.
std::optional<PosixLocaleData> readPosixLocale();

// The pieces, exposed for tests.
std::string expandTimeFormat(std::string_view timeFormat, std::string_view timeFormatAmPm);
std::optional<std::string> literalBetweenFirstTwoConversions(std::string_view format);
std::optional<ClockSettings> clockFromTimeFormat(std::string_view expandedTimeFormat);
std::optional<std::string> datePatternFromDateFormat(std::string_view dateFormat,
                                                     std::string_view dateSeparator,
                                                     std::string_view timeSeparator);

}  // namespace aeon
