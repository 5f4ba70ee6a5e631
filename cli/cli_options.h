// Command-line parsing and the batch line format of aeonarium-cli.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "year_model.h"

namespace aeon::cli {

inline constexpr std::string_view kUsage =
    "Aufruf / usage:\n"
    "  aeonarium-cli [--model 0|1] ZEILE ALTER\n"
    "  aeonarium-cli --batch          (Zeilen MODELL<TAB>ZEILE<TAB>TEXT von stdin)\n"
    "  aeonarium-cli [--model 0|1] --reverse DATUM [UHRZEIT]   (z. B. 29.12.2016 06:43:59)\n"
    "  aeonarium-cli [--model 0|1] --events\n"
    "  aeonarium-cli --help\n"
    "ZEILE / ROW: billions|milliarden, millions|millionen, hundred-thousands|hunderttausend,\n"
    "             thousands|tausend, hundreds|hundert, years|jahre\n"
    "Modell 0: Kosmologisches Jahr (13,798 Mrd. Jahre), 1: Kosmisches Jahr (4.4568 Mrd. Jahre)\n"
    "Beispiel: aeonarium-cli millions 65  ->  29.12.2016 06:43:59 (unter de_DE.UTF-8)\n"
    "--reverse nennt das rundeste Alter, das auf diese Sekunde fällt, in der größten Einheit.\n";

enum class Action { Convert, Batch, Reverse, Events, Help, UsageError };

struct Options {
    int model = 0;
    AgeRow row = AgeRow::Billions;
    std::string age;  // or, for --reverse, the date and time
};

struct ParsedArguments {
    Action action = Action::UsageError;
    Options options;
    std::string error;
};

ParsedArguments parseArguments(int argc, const char* const* argv);

std::optional<AgeRow> parseRow(std::string_view name);
std::optional<int> parseModel(std::string_view text);

// One batch line "MODEL<TAB>ROW<TAB>TEXT" to "OK<TAB>result" or "ERR<TAB>kind<TAB>message".
std::string convertBatchLine(std::string_view line);

}  // namespace aeon::cli
