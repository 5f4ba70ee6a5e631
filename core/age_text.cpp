// Age text: unit choice and decimal formatting, independent of the process's C locale.
#include "age_text.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace aeon {
namespace {

// Thousands only from ten thousand on: "vor 4580 Jahren" reads better than "4,58 Tausend".
struct ReadableUnit {
    double from;
    double years;
    const char* text;
};
constexpr ReadableUnit kReadableUnits[] = {{1e9, 1e9, "Milliarden Jahren"},
                                           {1e6, 1e6, "Millionen Jahren"},
                                           {1e4, 1e3, "Tausend Jahren"},
                                           {0, 1, "Jahren"}};

}  // namespace

std::string DescribeAge(double years, const RegionalSettings& settings) {
    const ReadableUnit* unit = &kReadableUnits[std::size(kReadableUnits) - 1];
    for (const ReadableUnit& candidate : kReadableUnits) {
        if (std::fabs(years) >= candidate.from) {
            unit = &candidate;
            break;
        }
    }
    // The shortest text that reads back as the same number, in fixed notation.
    char buffer[128];
    const double inUnits = years / unit->years + 0.0;  // + 0.0 turns -0 into 0
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, inUnits, std::chars_format::fixed).ptr;
    std::string number(buffer, end);
    const bool future = number.front() == '-';
    if (future) number.erase(0, 1);
    if (const auto point = number.find('.'); point != std::string::npos) {
        number.replace(point, 1, settings.decimalSeparator);
    }
    return (future ? "in " : "vor ") + number + " " + unit->text;
}

}  // namespace aeon
