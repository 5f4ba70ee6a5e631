// Reverse conversion: every age inside the returned interval converts back to its second.
#include "reverse_conversion.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>

#include "age_text.h"
#include "date_text.h"
#include "errors.h"
#include "famous_events.h"
#include "number_text.h"

namespace aeon {
namespace {

const YearModel& model(int index) {
    return kYearModels[static_cast<std::size_t>(index)].model;
}

// The age in a row's units, as the shortest decimal text that reads back as `years` scaled.
std::string ageText(double years, const AgeRowInfo& row) {
    const double units = years / (1e9 / static_cast<double>(row.unitsPerBillion));
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, units).ptr);
}

// How many random seconds the property test draws; AEONARIUM_REVERSE_SECONDS raises it for
// the long run (a million and more).
int randomSeconds() {
    const char* configured = std::getenv("AEONARIUM_REVERSE_SECONDS");
    return configured != nullptr ? std::atoi(configured) : 5000;
}

TEST(ReverseConvert, EveryAgeInsideTheIntervalGivesBackItsSecond) {
    RegionalSettings settings = RegionalSettings::german();
    settings.decimalSeparator = ".";
    std::mt19937_64 random(2016);
    const int draws = randomSeconds();
    for (int i = 0; i < draws; ++i) {
        const int m = static_cast<int>(random() % 2);
        // Mostly inside the year, sometimes decades before or after it.
        const std::int64_t second =
            random() % 8 == 0 ? static_cast<std::int64_t>(random() % 2'000'000'000) - 1'000'000'000
                              : static_cast<std::int64_t>(random() % 31'536'001);
        const AgeInterval interval = AgesForYearSecond(model(m), second);
        ASSERT_EQ(interval.second, second);
        ASSERT_GT(interval.oldestYears, interval.youngestYears) << second;
        // The ends are exact: the oldest belongs to the second, the youngest to the next one.
        ASSERT_EQ(
            AgeToYearSecond(model(m), AgeRow::Years, Extended::fromDouble(interval.oldestYears)),
            second);
        ASSERT_EQ(
            AgeToYearSecond(model(m), AgeRow::Years,
                            Extended::fromDouble(std::nextafter(interval.oldestYears, INFINITY))),
            second - 1);
        ASSERT_EQ(
            AgeToYearSecond(model(m), AgeRow::Years, Extended::fromDouble(interval.youngestYears)),
            second + 1);
        // Inside, at every row's scale and through the text reader.
        const double fraction = static_cast<double>(random() % 1000 + 1) / 1002.0;
        const double inside =
            interval.youngestYears + fraction * (interval.oldestYears - interval.youngestYears);
        for (const AgeRowInfo& row : kAgeRows) {
            ASSERT_EQ(
                AgeToYearSecond(model(m), row.row, TextToExtended(ageText(inside, row), settings)),
                second)
                << "model " << m << " row " << row.name << " second " << second;
        }
    }
}

TEST(ReverseConvert, ReadsDateAndTimeUnderTheSettings) {
    const RegionalSettings german = RegionalSettings::german();
    EXPECT_EQ(ReverseConvert(model(0), "29.12.2016 06:43:59", german, 2026).second,
              (42733 - 42370) * 86400 + 6 * 3600 + 43 * 60 + 59);
    EXPECT_EQ(ReverseConvert(model(0), "31.12.2016", german, 2026).second, 31'536'000);
    EXPECT_EQ(ReverseConvert(model(0), "1.1.2016 0:00", german, 2026).second, 0);
    RegionalSettings us = german;
    us.dateSeparator = "/";
    us.shortDatePattern = "MM/dd/yyyy";
    us.timeAMString = "AM";
    us.timePMString = "PM";
    EXPECT_EQ(ReverseConvert(model(0), "12/29/2016 6:43:59 AM", us, 2026).second,
              ReverseConvert(model(0), "29.12.2016 06:43:59", german, 2026).second);
    EXPECT_EQ(ReverseConvert(model(0), "12/29/2016 6:43 pm", us, 2026).second,
              (42733 - 42370) * 86400 + 18 * 3600 + 43 * 60);
    EXPECT_EQ(ReverseConvert(model(0), "12/29/2016 12:00 AM", us, 2026).second,
              (42733 - 42370) * 86400);
    for (const char* bad : {"29.12.2016 25:00", "29.12.2016 6:60", "29.12.2016 x", "29.12.2016 6",
                            "29.12.2016 13:00 PM", "", "06:43:59"}) {
        try {
            ReverseConvert(model(0), bad, german, 2026);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' ist kein gültiges Datum mit Uhrzeit");
        }
    }
}

TEST(ReadableAge, TheRoundestAgeInTheLargestReadableUnit) {
    const RegionalSettings german = RegionalSettings::german();
    const struct {
        int model;
        const char* dateTime;
        const char* expected;
    } cases[] = {
        {0, "29.12.2016 06:43:59", "vor 65 Millionen Jahren"},
        {0, "04.12.2016 13:07:31", "vor 1 Milliarden Jahren"},
        {1, "10.11.2016 07:20:00", "vor 619 Millionen Jahren"},
        {0, "01.01.2016", "vor 13,798 Milliarden Jahren"},
        {0, "31.12.2016", "vor 0 Jahren"},
        {0, "30.12.2016 23:59:55", "vor 2000 Jahren"},
        {0, "26.01.2017 10:52:28", "in 1 Milliarden Jahren"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadableAge(ReverseConvert(model(c.model), c.dateTime, german, 2026), german),
                  c.expected)
            << c.dateTime;
    }
}

TEST(DescribeAge, UnitsAndDecimals) {
    const RegionalSettings german = RegionalSettings::german();
    EXPECT_EQ(DescribeAge(538.8e6, german), "vor 538,8 Millionen Jahren");
    EXPECT_EQ(DescribeAge(300e3, german), "vor 300 Tausend Jahren");
    EXPECT_EQ(DescribeAge(4580, german), "vor 4580 Jahren");
    EXPECT_EQ(DescribeAge(-2e6, german), "in 2 Millionen Jahren");
    EXPECT_EQ(DescribeAge(-0.0, german), "vor 0 Jahren");
}

TEST(FamousEvents, OldestFirstWithPlausibleAges) {
    for (std::size_t i = 1; i < kFamousEvents.size(); ++i) {
        EXPECT_GT(kFamousEvents[i - 1].yearsAgo, kFamousEvents[i].yearsAgo)
            << kFamousEvents[i].name;
    }
    EXPECT_EQ(kFamousEvents.front().yearsAgo, 13'798'000'000);  // the span of model 0
}

}  // namespace
}  // namespace aeon
