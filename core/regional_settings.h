// The user's regional settings: separators, patterns, marker texts and names.
#pragma once

#include <array>
#include <string>

namespace aeon {

struct RegionalSettings {
    std::string decimalSeparator = ".";
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    std::string shortDatePattern = "m/d/yy";
    std::string longDatePattern = "mmmm d, yyyy";
    std::string timeAMString = "am";
    std::string timePMString = "pm";
    std::string shortTimePattern = "h:mm AMPM";
    std::string longTimePattern = "h:mm:ss AMPM";
    std::array<std::string, 12> shortMonthNames;
    std::array<std::string, 12> longMonthNames;
    std::array<std::string, 7> shortDayNames;  // Sunday first
    std::array<std::string, 7> longDayNames;   // Sunday first
    std::string eraName = "n. Chr.";           // the Gregorian era, for the g token

    // Every field at its fall-back: what a locale that cannot be read gives.
    static RegionalSettings fallback();
    // German settings as a German desktop gives them (decimal comma, dd.MM.yyyy, hh:mm:ss).
    static RegionalSettings german();
};

// How the locale shows hours; builds the two time patterns.
struct ClockSettings {
    bool leadingZero = false;
    bool twelveHour = true;
    bool markerFirst = false;
};
std::string buildTimePattern(const ClockSettings& clock, bool withSeconds);

// German names used where a locale leaves a name empty.
extern const std::array<const char*, 12> kGermanShortMonthNames;
extern const std::array<const char*, 12> kGermanLongMonthNames;
extern const std::array<const char*, 7> kGermanShortDayNames;
extern const std::array<const char*, 7> kGermanLongDayNames;

// The process-wide record that the conversions read.
const RegionalSettings& currentRegionalSettings();
void setCurrentRegionalSettings(RegionalSettings settings);

// Reads every field from the process's locale (LC_ALL, LC_TIME, LC_NUMERIC, LANG), with the
// fall-backs, and makes it the current record.
void LoadRegionalSettings();

}  // namespace aeon
