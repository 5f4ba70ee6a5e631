// Rendering the events table under the given model and settings.
#include "events_table.h"

#include <algorithm>
#include <vector>

#include "age_text.h"
#include "famous_events.h"
#include "utf8.h"
#include "year_model.h"

namespace aeon::cli {
namespace {

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t length = utf8::countCodePoints(text);
    return text + std::string(width > length ? width - length : 0, ' ');
}

}  // namespace

std::string eventsTable(int model, const RegionalSettings& settings) {
    struct Row {
        std::string name, age, date;
    };
    std::vector<Row> rows{{"Ereignis", "Alter", "Zeitpunkt im Modelljahr"}};
    const YearModel& yearModel = kYearModels[model == 0 ? 0 : 1].model;
    for (const FamousEvent& event : kFamousEvents) {
        rows.push_back(
            {std::string(event.name), DescribeAge(static_cast<double>(event.yearsAgo), settings),
             ConvertAge(yearModel, AgeRow::Years, std::to_string(event.yearsAgo), settings)});
    }
    std::size_t nameWidth = 0;
    std::size_t ageWidth = 0;
    for (const Row& row : rows) {
        nameWidth = std::max(nameWidth, utf8::countCodePoints(row.name));
        ageWidth = std::max(ageWidth, utf8::countCodePoints(row.age));
    }
    std::string table;
    for (const Row& row : rows) {
        table +=
            padded(row.name, nameWidth) + "  " + padded(row.age, ageWidth) + "  " + row.date + '\n';
    }
    return table;
}

}  // namespace aeon::cli
