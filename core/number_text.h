// Reading a number from text under the regional decimal separator.
#pragma once

#include <string_view>

#include "extended.h"
#include "regional_settings.h"

namespace aeon {

// Raises EConvertError (the number error) for a text that is not a number.
Extended TextToExtended(std::string_view text, const RegionalSettings& settings);
Extended TextToExtended(std::string_view text);  // under the current settings

}  // namespace aeon
