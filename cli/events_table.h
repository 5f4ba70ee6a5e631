// The --events table: famous events, their ages and their instants in the model year.
#pragma once

#include <string>

#include "regional_settings.h"

namespace aeon::cli {

// One line per event, in aligned columns (widths counted in characters, not bytes).
std::string eventsTable(int model, const RegionalSettings& settings);

}  // namespace aeon::cli
