// Reverse conversion by bisection over doubles: the forward arithmetic is monotonic in the
// age, so the ages of one second form one interval whose ends bisection finds exactly.
#include "reverse_conversion.h"

#include <bit>
#include <cmath>
#include <limits>
#include <optional>

#include "age_text.h"
#include "date_text.h"
#include "errors.h"

namespace aeon {
namespace {

// Doubles ordered as integers: a monotonic key, so bisection works on the double grid.
std::int64_t keyOf(double value) {
    const auto bits = std::bit_cast<std::int64_t>(value);
    return bits >= 0 ? bits : std::numeric_limits<std::int64_t>::min() - bits;
}

double valueOf(std::int64_t key) {
    return std::bit_cast<double>(key >= 0 ? key : std::numeric_limits<std::int64_t>::min() - key);
}

// The second of an age in years; ages too far out for the arithmetic count as beyond any second.
std::int64_t secondOfAge(const YearModel& model, double years) {
    try {
        return AgeToYearSecond(model, AgeRow::Years, Extended::fromDouble(years));
    } catch (const ConversionError&) {
        return years > 0 ? std::numeric_limits<std::int64_t>::min()
                         : std::numeric_limits<std::int64_t>::max();
    }
}

// The smallest age (as a key) whose second is at most `second`.
std::int64_t firstKeyAtOrBelow(const YearModel& model, std::int64_t second) {
    std::int64_t low = keyOf(-std::numeric_limits<double>::max());
    std::int64_t high = keyOf(std::numeric_limits<double>::max());
    while (low < high) {
        const auto span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low);
        const std::int64_t mid = low + static_cast<std::int64_t>(span / 2);
        if (secondOfAge(model, valueOf(mid)) <= second) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

// The value with the fewest significant digits in (low, high], nearest the middle.
double roundestIn(double low, double high) {
    const double middle = low / 2 + high / 2;
    for (int p = 18; p >= -6; --p) {
        const double step = std::pow(10.0, p);
        const double nearest = std::round(middle / step) * step;
        if (nearest > low && nearest <= high) return nearest;
        const double above = (std::floor(low / step) + 1) * step;
        if (above <= high) return above;
    }
    return high;
}

}  // namespace

AgeInterval AgesForYearSecond(const YearModel& model, std::int64_t second) {
    // Ages run against seconds: the youngest age of `second` follows the oldest of second + 1.
    const std::int64_t oldestKey = firstKeyAtOrBelow(model, second - 1) - 1;
    const std::int64_t youngestKey = firstKeyAtOrBelow(model, second) - 1;
    if (oldestKey <= youngestKey) throw EInvalidOp();
    return {second, valueOf(oldestKey), valueOf(youngestKey)};
}

AgeInterval ReverseConvert(const YearModel& model, std::string_view dateTimeText,
                           const RegionalSettings& settings, int presentYear) {
    const DateTimeSeconds at = TextToDateTimeSeconds(dateTimeText, settings, presentYear);
    const std::int64_t second = (at.day - kCalendarStartDay) * kSecondsPerDay + at.secondOfDay;
    return AgesForYearSecond(model, second);
}

std::string ReadableAge(const AgeInterval& interval, const RegionalSettings& settings) {
    return DescribeAge(roundestIn(interval.youngestYears, interval.oldestYears), settings);
}

}  // namespace aeon
