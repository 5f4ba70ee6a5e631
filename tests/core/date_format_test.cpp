// The date-time renderer: every token of the pattern language, nesting, 12-hour rules and the cut.
#include "date_format.h"

#include <gtest/gtest.h>

#include "calendar.h"
#include "errors.h"

namespace aeon {
namespace {

double at(CivilDate date, int hour, int minute, int second, int ms = 0) {
    const std::int64_t msOfDay = ((hour * 60LL + minute) * 60 + second) * 1000 + ms;
    return static_cast<double>(dayNumber(date)) + static_cast<double>(msOfDay) / 86'400'000.0;
}

class DateFormatTest : public ::testing::Test {
  protected:
    DateFormatTest() {
        settings.timeAMString = "vorm.";
        settings.timePMString = "nachm.";
        settings.longDatePattern = "d. mmmm yyyy";
    }
    std::string render(const char* pattern, double value) const {
        return FormatDateTime(pattern, value, settings);
    }

    RegionalSettings settings = RegionalSettings::german();
    const double morning = at({2016, 12, 29}, 6, 43, 59, 123);  // a Thursday
    const double evening = at({2016, 12, 29}, 18, 5, 7, 5);
    const double early = at({5, 1, 2}, 0, 30, 0);
    const double noon = at({2016, 1, 1}, 12, 0, 0);
};

TEST_F(DateFormatTest, EveryToken) {
    const struct {
        const char* pattern;
        double value;
        const char* expected;
    } cases[] = {
        {"d|dd", morning, "29|29"},
        {"d|dd", early, "2|02"},
        {"ddd|dddd", morning, "Do|Donnerstag"},
        {"ddddd", morning, "29.12.2016"},
        {"dddddd|ddddddd", morning, "29. Dezember 2016|29. Dezember 2016"},
        {"m|mm|mmm|mmmm|mmmmm", early, "1|01|Jan|Januar|Januar"},
        {"y|yy|yyy|yyyy|yyyyy", early, "05|05|0005|0005|0005"},
        {"yy|yyyy", morning, "16|2016"},
        {"g|gg", morning, "n. Chr.|n. Chr."},
        {"e|ee|eee", early, "5|05|05"},
        {"h|hh|hhh", morning, "6|06|06"},
        {"n|nn|nnn", morning, "43|43|43"},
        {"s|ss|sss", morning, "59|59|59"},
        {"z|zz|zzz|zzzz", evening, "5|05|005|005"},
        {"zzz", morning, "123"},
        {"t|tt", morning, "06:43|06:43:59"},
        {"c", morning, "29.12.2016 06:43:59"},
        {"c", at({2016, 12, 29}, 0, 0, 0, 999), "29.12.2016"},
        {"AMPM", morning, "vorm."},
        {"ampm", evening, "nachm."},
        {"am/pm|AM/PM|Am/Pm", morning, "am|AM|Am"},
        {"am/pm|AM/PM|Am/Pm", evening, "pm|PM|Pm"},
        {"a/p|A/P", morning, "a|A"},
        {"a/p|A/P", evening, "p|P"},
        {"aaa|aaaa|AAAA", morning, "Do|Donnerstag|Donnerstag"},
        {"a|ab", morning, "a|ab"},
        {"dd/mm/yyyy hh:nn", morning, "29.12.2016 06:43"},
        {"'dd'|\"mm\"|'it''s'", morning, "dd|mm|its"},
        {"'unterminated", morning, "unterminated"},
        {"x ä 年 -", morning, "x ä 年 -"},
        {"DD.MM.YYYY HH:NN:SS", morning, "29.12.2016 06:43:59"},
        {"dD", morning, "2929"},
    };
    for (const auto& c : cases) EXPECT_EQ(render(c.pattern, c.value), c.expected) << c.pattern;
}

TEST_F(DateFormatTest, MinutesFollowAnHourToken) {
    EXPECT_EQ(render("h:m", morning), "6:43");
    EXPECT_EQ(render("h m", morning), "6 43");
    EXPECT_EQ(render("h x m", morning), "6 x 12");
    EXPECT_EQ(render("m h", morning), "12 6");
    EXPECT_EQ(render("h:m:m", morning), "6:43:12");
    EXPECT_EQ(render("H:'x'M", morning), "6:x43");
}

TEST_F(DateFormatTest, TwelveHourClock) {
    const struct {
        const char* pattern;
        double value;
        const char* expected;
    } cases[] = {
        {"h AMPM", evening, "6 nachm."},       {"h AMPM", early, "12 vorm."},
        {"h AMPM", noon, "12 nachm."},         {"hh:nn am/pm", evening, "06:05 pm"},
        {"hh a/p", evening, "06 p"},           {"hh 'am/pm'", evening, "18 am/pm"},
        {"hh h AMPM", evening, "18 6 nachm."}, {"AMPM hh", evening, "nachm. 06"},
        {"hh aaa am/pm", evening, "18 Do pm"}, {"hh", evening, "18"},
    };
    for (const auto& c : cases) EXPECT_EQ(render(c.pattern, c.value), c.expected) << c.pattern;
}

TEST_F(DateFormatTest, NestedPatternsExpandOneLevelDeep) {
    settings.shortDatePattern = "dd/ddddd|c|t|tt|dddddd";
    settings.longTimePattern = "hh:nn:ss";
    // Inside a nested pattern the pattern tokens render nothing; c still adds its blank.
    EXPECT_EQ(render("ddddd", morning), "29.| |||");
    EXPECT_EQ(render("c", morning), "29.| ||| 06:43:59");
}

TEST_F(DateFormatTest, CutAt256Characters) {
    std::string pattern;
    for (int i = 0; i < 100; ++i) pattern += "dddd|";
    EXPECT_EQ(render(pattern.c_str(), morning).size(), 256u);
    std::string umlauts;
    for (int i = 0; i < 300; ++i) umlauts += "ä";
    EXPECT_EQ(render(umlauts.c_str(), morning), umlauts.substr(0, 512));
}

TEST_F(DateFormatTest, OutOfRangeIsAnInvalidOperation) {
    for (const double value :
         {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300,
          std::numeric_limits<double>::infinity(), static_cast<double>(kFirstDayNumber) - 0.5,
          static_cast<double>(kLastDayNumber) + 1.0}) {
        EXPECT_THROW(render("c", value), EInvalidOp) << value;
    }
    EXPECT_EQ(render("c", static_cast<double>(kFirstDayNumber)), "01.01.0001");
    EXPECT_EQ(render("c", static_cast<double>(kLastDayNumber) + 86399.0 / 86400.0),
              "31.12.9999 23:59:59");
}

TEST(DateTimeToText, MidnightShowsTheDateAlone) {
    const RegionalSettings german = RegionalSettings::german();
    EXPECT_EQ(DateTimeToText(42370.0, german), "01.01.2016");
    EXPECT_EQ(DateTimeToText(42370.0 - 1.0 / 86400.0, german), "31.12.2015 23:59:59");
    // A time of day that rounds up to the next midnight shows the next day without a time.
    EXPECT_EQ(DateTimeToText(42370.0 - 1e-10, german), "01.01.2016");
    // Before 30 December 1899 the timeline stays linear.
    EXPECT_EQ(DateTimeToText(-0.25, german), "29.12.1899 18:00:00");
}

}  // namespace
}  // namespace aeon
