// Message texts of the conversion errors.
#include "errors.h"

namespace aeon {
namespace {

// A message travels as a C string, so a NUL in the entered text would cut it short; it shows as
// a blank, as every other control character does in the error dialog.
std::string quoted(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (c == '\0') c = ' ';
    }
    return "'" + shown + "'";
}

}  // namespace

EConvertError EConvertError::notANumber(std::string_view text) {
    return EConvertError(quoted(text) + " ist kein gültiger Gleitkommawert");
}

EConvertError EConvertError::notADate(std::string_view text) {
    return EConvertError(quoted(text) + " ist kein gültiges Datum");
}

EConvertError EConvertError::notADateTime(std::string_view text) {
    return EConvertError(quoted(text) + " ist kein gültiges Datum mit Uhrzeit");
}

}  // namespace aeon
