// Fuzz target: the number reader. Byte 0 picks the settings, the rest is the text.
#include <cstdlib>
#include <string>

#include "errors.h"
#include "fuzz_settings.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const aeon::RegionalSettings settings = aeon::fuzz::settingsFor(data[0]);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    aeon::Extended value;
    try {
        value = aeon::TextToExtended(text, settings);
    } catch (const aeon::EConvertError& e) {
        if (std::string(e.what()) !=
            "'" + aeon::fuzz::shown(text) + "' ist kein gültiger Gleitkommawert")
            std::abort();
        return 0;
    }
    if (value.isNaN() || value.isInfinite()) std::abort();
    // Blanks around a number never change it.
    const aeon::Extended padded = aeon::TextToExtended("  " + text + " ", settings);
    if (padded.signExponent() != value.signExponent() ||
        padded.significand() != value.significand()) {
        std::abort();
    }
    // A minus in front of an unsigned number negates it exactly.
    const std::size_t first = text.find_first_not_of(' ');
    if (text[first] != '-' && text[first] != '+') {
        const aeon::Extended negated = aeon::TextToExtended("-" + text.substr(first), settings);
        if (negated.signExponent() != (value.signExponent() ^ 0x8000u) ||
            negated.significand() != value.significand()) {
            std::abort();
        }
    }
    return 0;
}
