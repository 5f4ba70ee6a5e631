// Fuzz target: the whole conversion over both models and all rows. Byte 0 picks the model,
// byte 1 the row, byte 2 the settings; the rest is the entered text.
#include <cstdlib>
#include <string>

#include "errors.h"
#include "fuzz_settings.h"
#include "number_text.h"
#include "utf8.h"
#include "year_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const aeon::YearModel& model = aeon::kYearModels[data[0] % 2].model;
    const aeon::AgeRow row = aeon::kAgeRows[data[1] % aeon::kAgeRows.size()].row;
    const aeon::RegionalSettings settings = aeon::fuzz::settingsFor(data[2]);
    const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
    try {
        const std::string result = aeon::ConvertAge(model, row, text, settings);
        if (result.empty() || aeon::utf8::countCodePoints(result) > 256) std::abort();
        // The same input always gives the same text, by the same arithmetic.
        const auto second = aeon::AgeToYearSecond(model, row, aeon::TextToExtended(text, settings));
        if (aeon::YearSecondToDateText(second, settings) != result) std::abort();
    } catch (const aeon::EConvertError& e) {
        if (std::string(e.what()) !=
            "'" + aeon::fuzz::shown(text) + "' ist kein gültiger Gleitkommawert")
            std::abort();
    } catch (const aeon::EOverflow& e) {
        if (std::string(e.what()) != "Gleitkommaüberlauf") std::abort();
    } catch (const aeon::EInvalidOp& e) {
        if (std::string(e.what()) != "Ungültige Gleitkommaoperation") std::abort();
    }
    return 0;
}
