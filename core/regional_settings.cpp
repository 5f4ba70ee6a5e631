// Fall-back settings, time-pattern building and the process-wide current record.
#include "regional_settings.h"

#include <utility>

namespace aeon {

const std::array<const char*, 12> kGermanShortMonthNames = {
    "Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const std::array<const char*, 12> kGermanLongMonthNames = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
const std::array<const char*, 7> kGermanShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
const std::array<const char*, 7> kGermanLongDayNames = {
    "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};

namespace {

template <std::size_t N>
std::array<std::string, N> toStrings(const std::array<const char*, N>& names) {
    std::array<std::string, N> result;
    for (std::size_t i = 0; i < N; ++i) result[i] = names[i];
    return result;
}

RegionalSettings& current() {
    static RegionalSettings settings = RegionalSettings::fallback();
    return settings;
}

}  // namespace

std::string buildTimePattern(const ClockSettings& clock, bool withSeconds) {
    std::string pattern = clock.leadingZero ? "hh" : "h";
    pattern += withSeconds ? ":mm:ss" : ":mm";
    if (!clock.twelveHour) return pattern;
    return clock.markerFirst ? "AMPM " + pattern : pattern + " AMPM";
}

RegionalSettings RegionalSettings::fallback() {
    RegionalSettings s;
    s.shortMonthNames = toStrings(kGermanShortMonthNames);
    s.longMonthNames = toStrings(kGermanLongMonthNames);
    s.shortDayNames = toStrings(kGermanShortDayNames);
    s.longDayNames = toStrings(kGermanLongDayNames);
    return s;
}

RegionalSettings RegionalSettings::german() {
    RegionalSettings s = fallback();
    s.decimalSeparator = ",";
    s.dateSeparator = ".";
    s.shortDatePattern = "dd.MM.yyyy";
    s.timeAMString.clear();
    s.timePMString.clear();
    const ClockSettings clock{true, false, false};
    s.shortTimePattern = buildTimePattern(clock, false);
    s.longTimePattern = buildTimePattern(clock, true);
    return s;
}

const RegionalSettings& currentRegionalSettings() {
    return current();
}

void setCurrentRegionalSettings(RegionalSettings settings) {
    current() = std::move(settings);
}

}  // namespace aeon
