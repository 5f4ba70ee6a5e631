// Loading real POSIX locales; the test command generates de_DE, en_US and cs_CZ.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "regional_settings.h"

namespace aeon {
namespace {

class LocaleReaderTest : public ::testing::Test {
  protected:
    void load(const char* name) {
        ::setenv("LC_ALL", name, 1);
        LoadRegionalSettings();
    }
    void TearDown() override {
        ::unsetenv("LC_ALL");
        setCurrentRegionalSettings(RegionalSettings::fallback());
    }
    const RegionalSettings& s() const { return currentRegionalSettings(); }
};

TEST_F(LocaleReaderTest, German) {
    load("de_DE.UTF-8");
    EXPECT_EQ(s().decimalSeparator, ",");
    EXPECT_EQ(s().dateSeparator, ".");
    EXPECT_EQ(s().timeSeparator, ":");
    EXPECT_EQ(s().shortDatePattern, "dd.MM.yyyy");
    EXPECT_EQ(s().longTimePattern, "hh:mm:ss");
    EXPECT_EQ(s().shortTimePattern, "hh:mm");
    EXPECT_EQ(s().longMonthNames[2], "März");
    EXPECT_EQ(s().longDayNames[0], "Sonntag");
}

TEST_F(LocaleReaderTest, UnitedStates) {
    load("en_US.UTF-8");
    EXPECT_EQ(s().decimalSeparator, ".");
    EXPECT_EQ(s().dateSeparator, "/");
    EXPECT_EQ(s().shortDatePattern, "MM/dd/yyyy");
    EXPECT_EQ(s().longTimePattern, "hh:mm:ss AMPM");
    EXPECT_EQ(s().timeAMString, "AM");
    EXPECT_EQ(s().timePMString, "PM");
    EXPECT_EQ(s().longMonthNames[11], "December");
    EXPECT_EQ(s().shortDayNames[4], "Thu");
}

TEST_F(LocaleReaderTest, Czech) {
    load("cs_CZ.UTF-8");
    EXPECT_EQ(s().decimalSeparator, ",");
    EXPECT_EQ(s().dateSeparator, ".");
    EXPECT_EQ(s().shortDatePattern, "d.M.yyyy");
    EXPECT_EQ(s().longTimePattern, "hh:mm:ss");
}

TEST_F(LocaleReaderTest, PosixCLocale) {
    load("C");
    EXPECT_EQ(s().decimalSeparator, ".");
    EXPECT_EQ(s().shortDatePattern, "MM/dd/yy");
    EXPECT_EQ(s().longTimePattern, "hh:mm:ss");
    EXPECT_EQ(s().timeAMString, "AM");
}

TEST_F(LocaleReaderTest, UnknownLocaleFallsBackEverywhere) {
    load("xx_XX.UTF-8");
    const RegionalSettings expected = RegionalSettings::fallback();
    EXPECT_EQ(s().decimalSeparator, expected.decimalSeparator);
    EXPECT_EQ(s().dateSeparator, "/");
    EXPECT_EQ(s().shortDatePattern, "m/d/yy");
    EXPECT_EQ(s().longTimePattern, "h:mm:ss AMPM");
    EXPECT_EQ(s().timeAMString, "am");
    EXPECT_EQ(s().longMonthNames[2], "März");
}

}  // namespace
}  // namespace aeon
