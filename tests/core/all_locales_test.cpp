// Every installed locale: its settings load, every row converts, and results read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calendar.h"
#include "date_text.h"
#include "errors.h"
#include "posix_locale_mapping.h"
#include "year_model.h"

namespace aeon {
namespace {

std::vector<std::string> installedLocales() {
    std::vector<std::string> names;
    FILE* pipe = ::popen("locale -a 2>/dev/null", "r");
    if (pipe == nullptr) return names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        std::string name(line);
        while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
        if (!name.empty()) names.push_back(name);
    }
    ::pclose(pipe);
    return names;
}

TEST(AllLocales, EveryLocaleConvertsAndRendersItsOwnFormat) {
    const std::vector<std::string> locales = installedLocales();
    ASSERT_FALSE(locales.empty());
    const RegionalSettings german = RegionalSettings::german();
    std::map<std::string, std::vector<std::string>> fallBacks;
    int readBack = 0;
    int loaded = 0;
    for (const std::string& locale : locales) {
        ::setenv("LC_ALL", locale.c_str(), 1);
        const auto data = readPosixLocale();
        if (!data) continue;  // listed but not loadable: every field falls back, covered elsewhere
        ++loaded;
        std::vector<std::string> fellBack;
        const RegionalSettings settings = settingsFromPosixLocale(*data, &fellBack);
        for (const std::string& field : fellBack) fallBacks[field].push_back(locale);
        bool allReadBack = true;
        const std::string& pattern = settings.shortDatePattern;
        const bool orderReadable = dateOrderOf(pattern) != DateOrder::YearMonthDay ||
                                   pattern.find_first_of("dD") > pattern.find_first_of("mM");
        const bool ambiguousHalfDay =
            settings.longTimePattern.find("AMPM") != std::string::npos &&
            (settings.timeAMString.empty() || settings.timePMString.empty());
        for (int m = 0; m < 2; ++m) {
            const YearModel& model = kYearModels[static_cast<std::size_t>(m)].model;
            for (const AgeRowInfo& row : kAgeRows) {
                for (const std::string& age :
                     {std::string("1"), std::string("65"), std::string("0"),
                      "0" + settings.decimalSeparator + "5"}) {
                    std::string result;
                    try {
                        result = ConvertAge(model, row.row, age, settings);
                    } catch (const ConversionError& e) {
                        ADD_FAILURE()
                            << locale << ": " << age << " " << row.name << ": " << e.what();
                        continue;
                    }
                    ASSERT_FALSE(result.empty()) << locale;
                    // The same instant under German settings is the reference.
                    std::string germanAge = age;
                    if (germanAge.size() > 1 && germanAge[0] == '0') germanAge = "0,5";
                    const auto expected = TextToDateTimeSeconds(
                        ConvertAge(model, row.row, germanAge, german), german, 2026);
                    // Year-first dates are read year, month, day: a year-day-month pattern
                    // (ce_RU) shows correctly but cannot read back.
                    std::optional<DateTimeSeconds> shown;
                    if (orderReadable) {
                        try {
                            shown = TextToDateTimeSeconds(result, settings, 2026);
                        } catch (const EConvertError&) {
                            // Patterns with names or other text do not read back.
                        }
                    }
                    if (shown) {
                        EXPECT_EQ(shown->day, expected.day) << locale << ": " << result;
                        // On a 12-hour clock whose marker texts are empty, noon is ambiguous.
                        const int period = ambiguousHalfDay ? 43'200 : 86'400;
                        EXPECT_EQ(shown->secondOfDay % period, expected.secondOfDay % period)
                            << locale << ": " << result;
                    } else {
                        allReadBack = false;
                        const int year = civilDate(expected.day).year;
                        EXPECT_NE(result.find(std::to_string(year % 100)), std::string::npos)
                            << locale << ": " << result;
                    }
                }
            }
        }
        readBack += allReadBack ? 1 : 0;
    }
    ::unsetenv("LC_ALL");
    std::cout << loaded << " of " << locales.size() << " locales loaded; " << readBack
              << " read their own results back.\nFields falling back:";
    for (const auto& [field, names] : fallBacks) {
        std::cout << "\n  " << field << " (" << names.size() << "):";
        for (const std::string& name : names) std::cout << ' ' << name;
    }
    std::cout << '\n';
}

}  // namespace
}  // namespace aeon
