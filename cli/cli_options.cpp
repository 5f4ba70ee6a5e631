// Argument parsing and batch lines; conversions run under the current regional settings.
#include "cli_options.h"

#include <vector>

#include "errors.h"

namespace aeon::cli {

std::optional<AgeRow> parseRow(std::string_view name) {
    for (const auto& info : kAgeRows) {
        if (name == info.name || name == info.germanName) return info.row;
    }
    return std::nullopt;
}

std::optional<int> parseModel(std::string_view text) {
    if (text == "0") return 0;
    if (text == "1") return 1;
    return std::nullopt;
}

ParsedArguments parseArguments(int argc, const char* const* argv) {
    ParsedArguments result;
    std::vector<std::string_view> positional;
    bool optionsEnded = false;
    bool batch = false;
    bool reverse = false;
    bool events = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // Once the row is known, the next word is the age, even when it starts with '-'.
        if (optionsEnded || !positional.empty() || !arg.starts_with("-") || arg == "-") {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            result.action = Action::Help;
            return result;
        } else if (arg == "--batch") {
            batch = true;
        } else if (arg == "--reverse") {
            reverse = true;
        } else if (arg == "--events") {
            events = true;
        } else if (arg == "--model" || arg.starts_with("--model=")) {
            std::string_view value;
            if (arg == "--model") {
                if (++i >= argc) {
                    result.error = "--model braucht 0 oder 1 / --model needs 0 or 1";
                    return result;
                }
                value = argv[i];
            } else {
                value = arg.substr(8);
            }
            const auto model = parseModel(value);
            if (!model) {
                result.error = "Unbekanntes Modell / unknown model: " + std::string(value);
                return result;
            }
            result.options.model = *model;
        } else {
            result.error = "Unbekannte Option / unknown option: " + std::string(arg);
            return result;
        }
    }
    if (int(batch) + int(reverse) + int(events) > 1) {
        result.error = "Nur eine von --batch, --reverse, --events / only one of them";
        return result;
    }
    if (batch || events) {
        if (!positional.empty()) {
            result.error = "Keine weiteren Argumente erwartet / no further arguments expected";
            return result;
        }
        result.action = batch ? Action::Batch : Action::Events;
        return result;
    }
    if (reverse) {
        if (positional.empty()) {
            result.error = "--reverse braucht DATUM [UHRZEIT] / --reverse needs DATE [TIME]";
            return result;
        }
        // Date, time and marker may come as one argument or several.
        for (const std::string_view word : positional) {
            if (!result.options.age.empty()) result.options.age += ' ';
            result.options.age += word;
        }
        result.action = Action::Reverse;
        return result;
    }
    if (positional.size() != 2) {
        result.error = "ZEILE und ALTER erwartet / expected ROW and AGE";
        return result;
    }
    const auto row = parseRow(positional[0]);
    if (!row) {
        result.error = "Unbekannte Zeile / unknown row: " + std::string(positional[0]);
        return result;
    }
    result.options.row = *row;
    result.options.age = positional[1];
    result.action = Action::Convert;
    return result;
}

std::string convertBatchLine(std::string_view line) {
    const auto firstTab = line.find('\t');
    const auto secondTab =
        firstTab == std::string_view::npos ? firstTab : line.find('\t', firstTab + 1);
    if (secondTab == std::string_view::npos) {
        return "ERR\tUsage\tZeile muss MODELL<TAB>ZEILE<TAB>TEXT sein";
    }
    const auto model = parseModel(line.substr(0, firstTab));
    if (!model) return "ERR\tUsage\tUnbekanntes Modell: " + std::string(line.substr(0, firstTab));
    const std::string_view rowName = line.substr(firstTab + 1, secondTab - firstTab - 1);
    const auto row = parseRow(rowName);
    if (!row) return "ERR\tUsage\tUnbekannte Zeile: " + std::string(rowName);
    try {
        return "OK\t" + ConvertAge(kYearModels[static_cast<std::size_t>(*model)].model, *row,
                                   line.substr(secondTab + 1), currentRegionalSettings());
    } catch (const ConversionError& error) {
        return "ERR\t" + std::string(error.kindName()) + '\t' + error.what();
    }
}

}  // namespace aeon::cli
