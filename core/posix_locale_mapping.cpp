// strftime conversions to the program's pattern tokens; everything here is a pure function.
#include "posix_locale_mapping.h"

#include <cctype>
#include <vector>

#include "utf8.h"

namespace aeon {
namespace {

// One piece of a strftime format: literal text or a conversion with its flags and modifier.
struct FormatPiece {
    bool conversion = false;
    std::string literal;  // for literal pieces
    char specifier = 0;
    std::string flags;  // '-', '_', '0', '^', '#'
    bool hasWidth = false;
};

std::vector<FormatPiece> parseFormat(std::string_view format) {
    std::vector<FormatPiece> pieces;
    auto appendLiteral = [&pieces](std::string_view text) {
        if (pieces.empty() || pieces.back().conversion) pieces.emplace_back();
        pieces.back().literal += text;
    };
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            appendLiteral(format.substr(i, 1));
            ++i;
            continue;
        }
        ++i;
        if (i < format.size() && format[i] == '%') {
            appendLiteral("%");
            ++i;
            continue;
        }
        FormatPiece piece;
        piece.conversion = true;
        while (i < format.size() &&
               std::string_view("-_0^#").find(format[i]) != std::string_view::npos) {
            piece.flags += format[i++];
        }
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) {
            piece.hasWidth = true;
            ++i;
        }
        if (i < format.size() && (format[i] == 'E' || format[i] == 'O')) ++i;
        piece.specifier = i < format.size() ? format[i++] : '\0';
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

bool hasFlag(const FormatPiece& p, char flag) {
    return p.flags.find(flag) != std::string::npos;
}

std::string quoteLiteral(std::string_view text, std::string_view dateSeparator,
                         std::string_view timeSeparator) {
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool letter = u < 0x80 && std::isalpha(u);
        const bool special = letter || c == '\'' || c == '"' ||
                             (c == '/' && dateSeparator != "/") ||
                             (c == ':' && timeSeparator != ":");
        if (!special) {
            out += c;
        } else if (c == '\'') {
            out += "\"'\"";
        } else {
            out += '\'';
            out += c;
            out += '\'';
        }
    }
    return out;
}

template <std::size_t N>
std::array<std::string, N> namesOrGerman(const std::array<std::string, N>& names,
                                         const std::array<const char*, N>& german, bool& missing) {
    std::array<std::string, N> result;
    for (std::size_t i = 0; i < N; ++i) {
        missing = missing || names[i].empty();
        result[i] = names[i].empty() ? german[i] : names[i];
    }
    return result;
}

}  // namespace

std::string expandTimeFormat(std::string_view timeFormat, std::string_view timeFormatAmPm) {
    std::string out;
    for (std::size_t i = 0; i < timeFormat.size(); ++i) {
        if (timeFormat[i] != '%' || i + 1 >= timeFormat.size()) {
            out += timeFormat[i];
            continue;
        }
        const char next = timeFormat[i + 1];
        if (next == 'T') {
            out += "%H:%M:%S";
        } else if (next == 'R') {
            out += "%H:%M";
        } else if (next == 'r') {
            out += expandTimeFormat(timeFormatAmPm, "");
        } else {
            out += timeFormat.substr(i, 2);
        }
        ++i;
    }
    return out;
}

std::optional<std::string> literalBetweenFirstTwoConversions(std::string_view format) {
    const auto pieces = parseFormat(format);
    int conversions = 0;
    std::string between;
    for (const auto& piece : pieces) {
        if (piece.conversion) {
            if (++conversions == 2) return between;
        } else if (conversions == 1) {
            between += piece.literal;
        }
    }
    return std::nullopt;
}

std::optional<ClockSettings> clockFromTimeFormat(std::string_view expandedTimeFormat) {
    bool markerSeen = false;
    for (const auto& piece : parseFormat(expandedTimeFormat)) {
        if (!piece.conversion) continue;
        const char c = piece.specifier;
        if (c == 'p' || c == 'P') markerSeen = true;
        if (c != 'H' && c != 'k' && c != 'I' && c != 'l') continue;
        const bool unpadded = hasFlag(piece, '-') || hasFlag(piece, '_');
        const bool zeroPadded = (c == 'H' || c == 'I') ? !unpadded : hasFlag(piece, '0');
        return ClockSettings{zeroPadded, c == 'I' || c == 'l', markerSeen};
    }
    return std::nullopt;
}

std::optional<std::string> datePatternFromDateFormat(std::string_view dateFormat,
                                                     std::string_view dateSeparator,
                                                     std::string_view timeSeparator) {
    std::string pattern;
    for (const auto& piece : parseFormat(dateFormat)) {
        if (!piece.conversion) {
            pattern += quoteLiteral(piece.literal, dateSeparator, timeSeparator);
            continue;
        }
        const bool unpadded = piece.flags == "-";
        if (piece.hasWidth || !(piece.flags.empty() || unpadded)) return std::nullopt;
        switch (piece.specifier) {
            case 'd':
                pattern += unpadded ? "d" : "dd";
                break;
            case 'm':
                pattern += unpadded ? "M" : "MM";
                break;
            case 'e':
                if (unpadded) return std::nullopt;
                pattern += "d";
                break;
            default: {
                if (unpadded) return std::nullopt;
                static constexpr std::string_view kFrom = "yYbhBaA";
                static constexpr std::array<const char*, 7> kTo = {"yy",   "yyyy", "MMM", "MMM",
                                                                   "MMMM", "ddd",  "dddd"};
                const auto at = kFrom.find(piece.specifier);
                if (piece.specifier == '\0' || at == std::string_view::npos) return std::nullopt;
                pattern += kTo[at];
            }
        }
    }
    return pattern;
}

RegionalSettings settingsFromPosixLocale(const PosixLocaleData& data,
                                         std::vector<std::string>* fellBack) {
    auto noteFallBack = [fellBack](const char* field) {
        if (fellBack != nullptr) fellBack->emplace_back(field);
    };
    RegionalSettings s = RegionalSettings::fallback();
    if (utf8::isSingleCodePoint(data.radixChar)) {
        s.decimalSeparator = data.radixChar;
    } else {
        noteFallBack("decimal separator");
    }

    const std::string timeFormat = expandTimeFormat(data.timeFormat, data.timeFormatAmPm);
    const auto timeSeparator = literalBetweenFirstTwoConversions(timeFormat);
    if (timeSeparator && utf8::isSingleCodePoint(*timeSeparator)) {
        s.timeSeparator = *timeSeparator;
    } else {
        noteFallBack("time separator");
    }
    const auto dateSeparator = literalBetweenFirstTwoConversions(data.dateFormat);
    if (dateSeparator && utf8::isSingleCodePoint(*dateSeparator)) {
        s.dateSeparator = *dateSeparator;
    } else {
        noteFallBack("date separator");
    }

    if (const auto pattern =
            datePatternFromDateFormat(data.dateFormat, s.dateSeparator, s.timeSeparator)) {
        s.shortDatePattern = *pattern;
    } else {
        noteFallBack("short-date pattern");
    }
    const auto clock = clockFromTimeFormat(timeFormat);
    if (!clock) noteFallBack("clock settings");
    s.shortTimePattern = buildTimePattern(clock.value_or(ClockSettings{}), false);
    s.longTimePattern = buildTimePattern(clock.value_or(ClockSettings{}), true);

    s.timeAMString = data.amString;
    s.timePMString = data.pmString;
    bool anyNameMissing = false;
    s.longMonthNames = namesOrGerman(data.longMonthNames, kGermanLongMonthNames, anyNameMissing);
    s.shortMonthNames = namesOrGerman(data.shortMonthNames, kGermanShortMonthNames, anyNameMissing);
    s.longDayNames = namesOrGerman(data.longDayNames, kGermanLongDayNames, anyNameMissing);
    s.shortDayNames = namesOrGerman(data.shortDayNames, kGermanShortDayNames, anyNameMissing);
    if (anyNameMissing) noteFallBack("names");
    return s;
}

}  // namespace aeon
