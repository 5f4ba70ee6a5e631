// Message texts of the conversion errors.
#include "errors.h"

namespace aeon {

EConvertError EConvertError::notANumber(std::string_view text) {
    return EConvertError("'" + std::string(text) + "' ist kein gültiger Gleitkommawert");
}

EConvertError EConvertError::notADate(std::string_view text) {
    return EConvertError("'" + std::string(text) + "' ist kein gültiges Datum");
}

EConvertError EConvertError::notADateTime(std::string_view text) {
    return EConvertError("'" + std::string(text) + "' ist kein gültiges Datum mit Uhrzeit");
}

}  // namespace aeon
