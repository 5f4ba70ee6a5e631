// Mapping strftime formats to patterns, separators and clock settings.
#include "posix_locale_mapping.h"

#include <gtest/gtest.h>

namespace aeon {
namespace {

TEST(PosixLocaleMapping, DatePatterns) {
    const struct {
        const char* format;
        const char* expected;
    } cases[] = {
        {"%d.%m.%Y", "dd.MM.yyyy"},
        {"%-d.%-m.%Y", "d.M.yyyy"},
        {"%Y-%m-%d", "yyyy-MM-dd"},
        {"%e %b %Y", "d MMM yyyy"},
        {"%a %d %B %Y", "ddd dd MMMM yyyy"},
        {"%A, %h %d", "dddd, MMM dd"},
        {"%Y\u5e74%m\u6708%d\u65e5", "yyyy\u5e74MM\u6708dd\u65e5"},
        {"%Od.%Om.%EY", "dd.MM.yyyy"},
        {"%d de %B", "dd 'd''e' MMMM"},
        {"%d.%m.%Y 100%%", "dd.MM.yyyy 100%"},
        {"%d'%m\"%Y", "dd\"'\"MM'\"'yyyy"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(datePatternFromDateFormat(c.format, ".", ":"),
                  std::optional<std::string>(c.expected))
            << c.format;
    }
}

TEST(PosixLocaleMapping, SlashesAndColonsStayLiteralUnlessTheyAreTheSeparator) {
    EXPECT_EQ(datePatternFromDateFormat("%d/%m/%Y", "/", ":"), "dd/MM/yyyy");
    EXPECT_EQ(datePatternFromDateFormat("%m/%d/%y", "/", ":"), "MM/dd/yy");
    EXPECT_EQ(datePatternFromDateFormat("%d.%m/%Y", ".", ":"), "dd.MM'/'yyyy");
    EXPECT_EQ(datePatternFromDateFormat("%d:%m", ".", "."), "dd':'MM");
}

TEST(PosixLocaleMapping, UnmappableDateFormatsFallBack) {
    for (const char* format : {"%D", "%x", "%F", "%j.%Y", "%10d", "%_d", "%-e", "%-Y", "%d.%m.%"}) {
        EXPECT_EQ(datePatternFromDateFormat(format, ".", ":"), std::nullopt) << format;
    }
}

TEST(PosixLocaleMapping, Separators) {
    EXPECT_EQ(literalBetweenFirstTwoConversions("%d.%m.%Y"), ".");
    EXPECT_EQ(literalBetweenFirstTwoConversions("%Y\u5e74%m\u6708%d\u65e5"), "\u5e74");
    EXPECT_EQ(literalBetweenFirstTwoConversions("%Y. %m. %d."), ". ");
    EXPECT_EQ(literalBetweenFirstTwoConversions("%d%m"), "");
    EXPECT_EQ(literalBetweenFirstTwoConversions("%H"), std::nullopt);
    EXPECT_EQ(literalBetweenFirstTwoConversions("%d%%%m"), "%");
}

TEST(PosixLocaleMapping, TimeFormatExpansionAndClock) {
    EXPECT_EQ(expandTimeFormat("%T", ""), "%H:%M:%S");
    EXPECT_EQ(expandTimeFormat("%R", ""), "%H:%M");
    EXPECT_EQ(expandTimeFormat("%r", "%I:%M:%S %p"), "%I:%M:%S %p");
    const struct {
        const char* format;
        bool leadingZero, twelveHour, markerFirst;
        const char* longPattern;
    } cases[] = {
        {"%H:%M:%S", true, false, false, "hh:mm:ss"},
        {"%k:%M", false, false, false, "h:mm:ss"},
        {"%-H.%M", false, false, false, "h:mm:ss"},
        {"%I:%M:%S %p", true, true, false, "hh:mm:ss AMPM"},
        {"%l:%M %p", false, true, false, "h:mm:ss AMPM"},
        {"%p %-I:%M", false, true, true, "AMPM h:mm:ss"},
        {"%P %I:%M", true, true, true, "AMPM hh:mm:ss"},
        {"%OH:%OM", true, false, false, "hh:mm:ss"},
    };
    for (const auto& c : cases) {
        const auto clock = clockFromTimeFormat(c.format);
        ASSERT_TRUE(clock) << c.format;
        EXPECT_EQ(clock->leadingZero, c.leadingZero) << c.format;
        EXPECT_EQ(clock->twelveHour, c.twelveHour) << c.format;
        EXPECT_EQ(clock->markerFirst, c.markerFirst) << c.format;
        EXPECT_EQ(buildTimePattern(*clock, true), c.longPattern) << c.format;
    }
    EXPECT_EQ(clockFromTimeFormat("%M:%S"), std::nullopt);
}

TEST(PosixLocaleMapping, WholeRecordWithFallBacks) {
    PosixLocaleData data;
    data.radixChar = ",,";
    data.dateFormat = "%Y. %m. %d.";
    data.timeFormat = "%M";
    data.amString = "";
    data.pmString = "PM";
    data.longMonthNames[2] = "March";
    const RegionalSettings s = settingsFromPosixLocale(data);
    EXPECT_EQ(s.decimalSeparator, ".");  // two characters: falls back
    EXPECT_EQ(s.dateSeparator, "/");     // ". " is two characters
    EXPECT_EQ(s.timeSeparator, ":");
    EXPECT_EQ(s.shortDatePattern, "yyyy. MM. dd.");
    EXPECT_EQ(s.longDatePattern, "mmmm d, yyyy");
    EXPECT_EQ(s.longTimePattern, "h:mm:ss AMPM");  // clock unreadable
    EXPECT_EQ(s.shortTimePattern, "h:mm AMPM");
    EXPECT_EQ(s.timeAMString, "");  // an empty text stays empty
    EXPECT_EQ(s.timePMString, "PM");
    EXPECT_EQ(s.longMonthNames[2], "March");
    EXPECT_EQ(s.longMonthNames[0], "Januar");  // empty names take the German ones
    EXPECT_EQ(s.shortDayNames[0], "So");
}

}  // namespace
}  // namespace aeon
