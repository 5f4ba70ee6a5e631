// The date reader: orders, separators, two-digit years and the date error.
#include "date_text.h"

#include <gtest/gtest.h>

#include "calendar.h"
#include "errors.h"

namespace aeon {
namespace {

RegionalSettings withPattern(const char* pattern, const char* separator) {
    RegionalSettings s = RegionalSettings::german();
    s.shortDatePattern = pattern;
    s.dateSeparator = separator;
    return s;
}

double day(int y, int m, int d) {
    return static_cast<double>(dayNumber({y, m, d}));
}

TEST(TextToDate, CalendarStartUnderGermanSettings) {
    EXPECT_EQ(TextToDate("1.01.2016", RegionalSettings::german(), 2026), 42370.0);
}

TEST(TextToDate, OrderComesFromTheFirstDateLetter) {
    EXPECT_EQ(dateOrderOf("dd.MM.yyyy"), DateOrder::DayMonthYear);
    EXPECT_EQ(dateOrderOf("MM/dd/yyyy"), DateOrder::MonthDayYear);
    EXPECT_EQ(dateOrderOf("yyyy-MM-dd"), DateOrder::YearMonthDay);
    EXPECT_EQ(dateOrderOf("ee/MM/dd"), DateOrder::YearMonthDay);
    EXPECT_EQ(dateOrderOf("'x' D"), DateOrder::DayMonthYear);
    EXPECT_EQ(dateOrderOf("---"), DateOrder::MonthDayYear);
    EXPECT_EQ(dateOrderOf(""), DateOrder::MonthDayYear);
}

TEST(TextToDate, ReadsEveryOrder) {
    const struct {
        const char* pattern;
        const char* separator;
        const char* text;
        double expected;
    } cases[] = {
        {"dd.MM.yyyy", ".", "1.01.2016", day(2016, 1, 1)},
        {"dd.MM.yyyy", ".", " 29 . 12 . 2016 ", day(2016, 12, 29)},
        {"dd.MM.yyyy", ".", "29.12.2016.", day(2016, 12, 29)},
        {"dd.MM.yyyy", ".", "29.12. ", day(2026, 12, 29)},
        {"MM/dd/yyyy", "/", "12/29/2016", day(2016, 12, 29)},
        {"MM/dd/yyyy", "/", "12/29", day(2026, 12, 29)},
        {"yyyy-MM-dd", "-", "2016-12-29", day(2016, 12, 29)},
        {"yyyy-MM-dd", "-", "12-29", day(2026, 12, 29)},
        {"dd.MM.yy", ".", "1.1.16", day(2016, 1, 1)},
        {"dd.MM.yy", ".", "1.1.76", day(1976, 1, 1)},
        {"dd.MM.yy", ".", "1.1.75", day(2075, 1, 1)},
        {"dd.MM.yy", ".", "1.1.016", day(16, 1, 1)},
        {"dd.MM.yyyy", ".", "29.2.2016", day(2016, 2, 29)},
        {"dd.MM.yyyy", ".", "31.12.9999", day(9999, 12, 31)},
        {"dd.MM.yyyy", ".", "1.1.0001", day(1, 1, 1)},
        {"yyyy\u5e74MM\u6708dd\u65e5", "\u5e74", "2016\u5e7412\u5e7429", day(2016, 12, 29)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextToDate(c.text, withPattern(c.pattern, c.separator), 2026), c.expected)
            << c.text << " under " << c.pattern;
    }
}

TEST(TextToDate, RejectsWithTheTextInTheMessage) {
    const struct {
        const char* pattern;
        const char* separator;
        const char* text;
    } cases[] = {
        {"yyyy-MM-dd", "-", "1.01.2016"},  {"MM/dd/yyyy", "/", "1.01.2016"},
        {"dd.MM.yyyy", ".", "29.2.2015"},  {"dd.MM.yyyy", ".", "31.4.2016"},
        {"dd.MM.yyyy", ".", "1.13.2016"},  {"dd.MM.yyyy", ".", "0.1.2016"},
        {"dd.MM.yyyy", ".", "1.1.20161"},  {"dd.MM.yyyy", ".", "1.1.0000"},
        {"dd.MM.yyyy", ".", "1"},          {"dd.MM.yyyy", ".", ""},
        {"dd.MM.yyyy", ".", "1..2016"},    {"dd.MM.yyyy", ".", "1.1.2016.."},
        {"dd.MM.yyyy", ".", "1.1.2016 x"}, {"dd.MM.yyyy", ".", "\t1.1.2016"},
        {"dd.MM.yyyy", ".", "1.1.2016.1"}, {"dd.MM.yyyy", ".", "29.2"},
    };
    for (const auto& c : cases) {
        try {
            TextToDate(c.text, withPattern(c.pattern, c.separator), 2026);
            ADD_FAILURE() << "accepted \"" << c.text << '"';
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(c.text) + "' ist kein gültiges Datum");
        }
    }
}

TEST(TextToDate, TwoDigitYearsFollowThePresentYear) {
    const RegionalSettings s = withPattern("dd.MM.yy", ".");
    EXPECT_EQ(TextToDate("1.1.50", s, 2000), day(1950, 1, 1));
    EXPECT_EQ(TextToDate("1.1.49", s, 2000), day(2049, 1, 1));
    EXPECT_EQ(TextToDate("1.1.99", s, 2049), day(1999, 1, 1));
    EXPECT_EQ(TextToDate("1.1.98", s, 2049), day(2098, 1, 1));
}

}  // namespace
}  // namespace aeon
