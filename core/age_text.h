// Writing an age in years as the window's rows say it: "vor 65 Millionen Jahren".
#pragma once

#include <string>

#include "regional_settings.h"

namespace aeon {

// In billions, millions, thousands (from ten thousand on) or years, with as many decimals as the
// number needs and the settings' decimal separator; a negative age lies ahead: "in 2 Millionen
// Jahren".
std::string DescribeAge(double years, const RegionalSettings& settings);

}  // namespace aeon
