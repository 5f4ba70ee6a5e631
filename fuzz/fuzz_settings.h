// Regional settings for fuzz targets: a few fixed records chosen by one input byte.
#pragma once

#include <cstdint>
#include <string>

#include "regional_settings.h"

namespace aeon::fuzz {

// The entered text as an error message quotes it: NUL bytes show as blanks.
inline std::string shown(std::string text) {
    for (char& c : text) {
        if (c == '\0') c = ' ';
    }
    return text;
}

inline RegionalSettings settingsFor(std::uint8_t choice) {
    RegionalSettings s = RegionalSettings::german();
    switch (choice % 4) {
        case 0:
            return s;
        case 1:
            s.decimalSeparator = ".";
            s.dateSeparator = "/";
            s.shortDatePattern = "MM/dd/yyyy";
            s.longTimePattern = "hh:mm:ss AMPM";
            s.timeAMString = "AM";
            s.timePMString = "PM";
            return s;
        case 2:
            s.decimalSeparator = "\u066B";  // a separator of more than one byte
            s.dateSeparator = "-";
            s.shortDatePattern = "yyyy-MM-dd";
            return s;
        default:
            return RegionalSettings::fallback();
    }
}

}  // namespace aeon::fuzz
