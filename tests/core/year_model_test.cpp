// The age conversion under German settings: the reference cases, the edges and the errors.
#include "year_model.h"

#include <gtest/gtest.h>

#include "errors.h"

namespace aeon {
namespace {

struct ConversionCase {
    int model;
    AgeRow row;
    const char* entered;
    const char* expected;
};

std::string convert(int model, AgeRow row, std::string_view text,
                    const RegionalSettings& settings = RegionalSettings::german()) {
    return ConvertAge(kYearModels[static_cast<std::size_t>(model)].model, row, text, settings);
}

TEST(ConvertAge, ReferenceCases) {
    const ConversionCase cases[] = {
        {0, AgeRow::Billions, "1", "04.12.2016 13:07:31"},
        {0, AgeRow::Millions, "65", "29.12.2016 06:43:59"},
        {0, AgeRow::HundredThousands, "2", "30.12.2016 23:52:22"},
        {0, AgeRow::Thousands, "10", "30.12.2016 23:59:37"},
        {0, AgeRow::Thousands, "6899", "30.12.2016 19:37:12"},  // 53-bit arithmetic: 19:37:11
        {0, AgeRow::Hundreds, "1", "30.12.2016 23:59:59"},
        {0, AgeRow::Years, "2000", "30.12.2016 23:59:55"},
        {1, AgeRow::Billions, "1", "10.10.2016 02:27:51"},
        {1, AgeRow::Millions, "65", "25.12.2016 16:14:24"},
        {1, AgeRow::Millions, "619", "10.11.2016 07:20:00"},  // 53-bit arithmetic: 07:19:59
        {1, AgeRow::Years, "2000", "30.12.2016 23:59:45"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(convert(c.model, c.row, c.entered), c.expected)
            << "model " << c.model << " row " << ageRowInfo(c.row).name << " " << c.entered;
    }
}

TEST(ConvertAge, Edges) {
    const ConversionCase cases[] = {
        // The present is the end of the 365-day year, exactly midnight: no time shown.
        {0, AgeRow::Billions, "0", "31.12.2016"},
        {1, AgeRow::Years, "0", "31.12.2016"},
        {0, AgeRow::HundredThousands, "0", "31.12.2016"},
        // The whole span lands on the first second of the year.
        {0, AgeRow::Billions, "13,798", "01.01.2016"},
        {0, AgeRow::Millions, "13798", "01.01.2016"},
        {1, AgeRow::Billions, "4,4568", "01.01.2016"},
        // Older than the span, and in the future.
        {0, AgeRow::Billions, "14", "26.12.2015 15:45:20"},
        {0, AgeRow::Billions, "-1", "26.01.2017 10:52:28"},
        // Truncated, not rounded.
        {0, AgeRow::Years, "1", "30.12.2016 23:59:59"},
        {0, AgeRow::Years, "0,5", "30.12.2016 23:59:59"},
        {0, AgeRow::Billions, ",", "31.12.2016"},
        {0, AgeRow::Millions, " 65 ", "29.12.2016 06:43:59"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(convert(c.model, c.row, c.entered), c.expected)
            << "model " << c.model << " row " << ageRowInfo(c.row).name << " " << c.entered;
    }
}

TEST(ConvertAge, AFullSecondBeforeTheStartShowsTheOldYear) {
    EXPECT_EQ(YearSecondToDateText(-1, RegionalSettings::german()), "31.12.2015 23:59:59");
    EXPECT_EQ(YearSecondToDateText(0, RegionalSettings::german()), "01.01.2016");
    EXPECT_EQ(YearSecondToDateText(31'536'000, RegionalSettings::german()), "31.12.2016");
}

TEST(ConvertAge, NoWrapAroundFarFromTheYear) {
    // An instant 68 years and more away keeps its true date instead of wrapping at 32 bits.
    EXPECT_EQ(convert(0, AgeRow::Billions, "-1000").substr(6, 4), "2089");
    EXPECT_EQ(YearSecondToDateText(std::int64_t{1} << 31, RegionalSettings::german()),
              "19.01.2084 03:14:08");
    EXPECT_EQ(YearSecondToDateText(-(std::int64_t{1} << 31) - 1, RegionalSettings::german()),
              "13.12.1947 20:45:51");
    const RegionalSettings german = RegionalSettings::german();
    EXPECT_EQ(YearSecondToDateText((-693593 - 42370) * 86400LL, german), "01.01.0001");
    EXPECT_EQ(YearSecondToDateText((2958466 - 42370) * 86400LL - 1, german), "31.12.9999 23:59:59");
    EXPECT_THROW(YearSecondToDateText((-693593 - 42370) * 86400LL - 1, german), EInvalidOp);
    EXPECT_THROW(YearSecondToDateText((2958466 - 42370) * 86400LL, german), EInvalidOp);
}

TEST(ConvertAge, ErrorsInTheirOrder) {
    const RegionalSettings german = RegionalSettings::german();
    try {
        convert(0, AgeRow::Billions, "13.798");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'13.798' ist kein gültiger Gleitkommawert");
    }
    // The product of age and span leaves the extended range.
    EXPECT_THROW(convert(0, AgeRow::Billions, "1e4920"), EOverflow);
    // elapsed no longer fits a double.
    EXPECT_THROW(convert(0, AgeRow::Billions, "1e400"), EOverflow);
    // The second of the year leaves the signed 64-bit range.
    EXPECT_THROW(convert(0, AgeRow::Billions, "1e200"), EInvalidOp);
    // Past the year 9999 but inside 64 bits.
    EXPECT_THROW(convert(0, AgeRow::Billions, "-1e6"), EInvalidOp);
    EXPECT_STREQ(EOverflow().what(), "Gleitkommaüberlauf");
    EXPECT_STREQ(EInvalidOp().what(), "Ungültige Gleitkommaoperation");
}

TEST(ConvertAge, CalendarStartDoesNotDependOnTheDateFormat) {
    RegionalSettings us = RegionalSettings::german();
    us.decimalSeparator = ".";
    us.dateSeparator = "/";
    us.shortDatePattern = "MM/dd/yyyy";
    us.timeAMString = "AM";
    us.timePMString = "PM";
    us.longTimePattern = "hh:mm:ss AMPM";
    EXPECT_EQ(convert(0, AgeRow::Millions, "65", us), "12/29/2016 06:43:59 AM");
    RegionalSettings iso = us;
    iso.dateSeparator = "-";
    iso.shortDatePattern = "yyyy-MM-dd";
    EXPECT_EQ(convert(0, AgeRow::Billions, "13.798", iso), "2016-01-01");
    EXPECT_THROW(convert(0, AgeRow::Billions, "x", iso), EConvertError);
}

TEST(YearModel, SelectionAndCurrentConversion) {
    SelectYearModel(1);
    EXPECT_EQ(currentYearModel().SpanSeconds, 1.405e17);
    SelectYearModel(7);
    EXPECT_EQ(currentYearModel().SpanBillionYears, 4.4568);
    SelectYearModel(-1);
    EXPECT_EQ(currentYearModel().SpanSeconds, 1.405e17);
    SelectYearModel(0);
    EXPECT_EQ(currentYearModel().SpanSeconds, 4.354e17);
    EXPECT_EQ(currentYearModel().SpanBillionYears, 13.798);
    setCurrentRegionalSettings(RegionalSettings::german());
    EXPECT_EQ(ConvertAge(AgeRow::Millions, "65"), "29.12.2016 06:43:59");
    EXPECT_EQ(ElapsedToDateText(4.354e17), "31.12.2016");
    setCurrentRegionalSettings(RegionalSettings::fallback());
}

}  // namespace
}  // namespace aeon
