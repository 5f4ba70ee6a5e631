// The age conversion, step by step in extended precision; the order of operations is the result.
#include "year_model.h"

#include "calendar.h"
#include "date_format.h"
#include "errors.h"
#include "extended.h"
#include "number_text.h"

namespace aeon {
namespace {

constexpr std::int64_t kFirstSecond = (kFirstDayNumber - kCalendarStartDay) * kSecondsPerDay;
constexpr std::int64_t kLastSecond = (kLastDayNumber - kCalendarStartDay + 1) * kSecondsPerDay - 1;

YearModel& current() {
    static YearModel model = kYearModels[0].model;
    return model;
}

}  // namespace

const AgeRowInfo& ageRowInfo(AgeRow row) {
    return kAgeRows[static_cast<std::size_t>(row)];
}

void SelectYearModel(std::int32_t index) {
    current() = kYearModels[index == 0 ? 0 : 1].model;
}

const YearModel& currentYearModel() {
    return current();
}

std::int64_t AgeToYearSecond(const YearModel& model, AgeRow row, const Extended& age) {
    const Extended spanSeconds = Extended::fromDouble(model.SpanSeconds);
    const Extended spanBillions = Extended::fromDouble(model.SpanBillionYears);

    const Extended product = age * spanSeconds;
    if (product.isInfinite()) throw EOverflow();
    const Extended divisor =
        row == AgeRow::Billions ? spanBillions
                                : spanBillions * Extended::fromInt(ageRowInfo(row).unitsPerBillion);
    const auto elapsed = (spanSeconds - product / divisor).toDouble();
    if (elapsed.overflow) throw EOverflow();
    return ElapsedToYearSecond(model, elapsed.value);
}

std::int64_t ElapsedToYearSecond(const YearModel& model, double elapsed) {
    const Extended x = Extended::fromDouble(elapsed) * Extended::fromInt(365) *
                       Extended::fromInt(kSecondsPerDay) / Extended::fromDouble(model.SpanSeconds);
    const auto second = x.truncToInt64();
    if (!second) throw EInvalidOp();
    return *second;
}

std::string ConvertAge(const YearModel& model, AgeRow row, std::string_view text,
                       const RegionalSettings& settings) {
    const Extended age = TextToExtended(text, settings);
    return YearSecondToDateText(AgeToYearSecond(model, row, age), settings);
}

std::string ElapsedToDateText(const YearModel& model, double elapsed,
                              const RegionalSettings& settings) {
    return YearSecondToDateText(ElapsedToYearSecond(model, elapsed), settings);
}

std::string YearSecondToDateText(std::int64_t second, const RegionalSettings& settings) {
    // Instants beyond the calendar's years 1..9999 cannot be shown.
    if (second < kFirstSecond || second > kLastSecond) throw EInvalidOp();
    const std::int64_t days = second / kSecondsPerDay;
    const Extended fraction = Extended::fromInt(second) / Extended::fromInt(kSecondsPerDay);
    const double part = (fraction - fraction.truncated()).toDouble().value;
    const double instant = ((Extended::fromDouble(kCalendarStart) + Extended::fromInt(days)) +
                            Extended::fromDouble(part))
                               .toDouble()
                               .value;
    return DateTimeToText(instant, settings);
}

std::string ConvertAge(AgeRow row, std::string_view text) {
    return ConvertAge(currentYearModel(), row, text, currentRegionalSettings());
}

std::string ElapsedToDateText(double elapsed) {
    return ElapsedToDateText(currentYearModel(), elapsed, currentRegionalSettings());
}

std::string YearSecondToDateText(std::int64_t second) {
    return YearSecondToDateText(second, currentRegionalSettings());
}

}  // namespace aeon
