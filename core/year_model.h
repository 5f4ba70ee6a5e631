// The two year models, the six age rows and the conversion of an age into a calendar instant.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "extended.h"
#include "regional_settings.h"

namespace aeon {

struct YearModel {
    double SpanSeconds;       // length of the span in seconds
    double SpanBillionYears;  // length of the span in billions of years
};

struct YearModelInfo {
    std::string_view name;
    std::string_view selectorText;
    YearModel model;
};

// Index 0 and 1, in the order of the window's model selector.
inline constexpr std::array<YearModelInfo, 2> kYearModels = {{
    {"CosmologicalYear", "Kosmologisches Jahr (13,798 Mrd. Jahre)", {4.354e17, 13.798}},
    {"CosmicYear", "Kosmisches Jahr (4.4568 Mrd. Jahre)", {1.405e17, 4.4568}},
}};

enum class AgeRow { Billions, Millions, HundredThousands, Thousands, Hundreds, Years };

struct AgeRowInfo {
    AgeRow row;
    std::int64_t unitsPerBillion;  // row units in one billion years
    std::string_view name;         // command-line name
    std::string_view germanName;   // command-line alias
};

inline constexpr std::array<AgeRowInfo, 6> kAgeRows = {{
    {AgeRow::Billions, 1, "billions", "milliarden"},
    {AgeRow::Millions, 1'000, "millions", "millionen"},
    {AgeRow::HundredThousands, 10'000, "hundred-thousands", "hunderttausend"},
    {AgeRow::Thousands, 1'000'000, "thousands", "tausend"},
    {AgeRow::Hundreds, 10'000'000, "hundreds", "hundert"},
    {AgeRow::Years, 1'000'000'000, "years", "jahre"},
}};

const AgeRowInfo& ageRowInfo(AgeRow row);

// The process-wide current model: 0 installs the cosmological year, anything else the cosmic.
void SelectYearModel(std::int32_t index);
const YearModel& currentYearModel();

// 1 January 2016, 00:00:00: its day number and as a date-time value.
inline constexpr std::int64_t kCalendarStartDay = 42'370;
inline constexpr double kCalendarStart = static_cast<double>(kCalendarStartDay);
inline constexpr std::int64_t kSecondsPerDay = 86'400;

// The conversion, as pure functions of model and settings. Raise EConvertError, EOverflow or
// EInvalidOp (an instant outside the years 1 to 9999 is an invalid operation too).
std::string ConvertAge(const YearModel& model, AgeRow row, std::string_view text,
                       const RegionalSettings& settings);
std::string ElapsedToDateText(const YearModel& model, double elapsed,
                              const RegionalSettings& settings);
std::string YearSecondToDateText(std::int64_t second, const RegionalSettings& settings);

// The arithmetic alone: the second of the model year (counted from kCalendarStart) at which an
// age in the row's unit, or an elapsed time in seconds, falls.
std::int64_t AgeToYearSecond(const YearModel& model, AgeRow row, const Extended& age);
std::int64_t ElapsedToYearSecond(const YearModel& model, double elapsed);

// The same under the current model and settings.
std::string ConvertAge(AgeRow row, std::string_view text);
std::string ElapsedToDateText(double elapsed);
std::string YearSecondToDateText(std::int64_t second);

}  // namespace aeon
