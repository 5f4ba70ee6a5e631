// UTF-8 code point boundaries; invalid bytes count as one code point each.
#include "utf8.h"

namespace aeon::utf8 {

std::size_t sequenceLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = lead <= 0xEF ? 3 : 1;
    } else if (lead >= 0xC2) {
        length = 2;
    }
    if (pos + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0u) != 0x80u) return 1;
    }
    return length;
}

std::size_t countCodePoints(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += sequenceLength(text, pos)) ++count;
    return count;
}

bool isSingleCodePoint(std::string_view text) {
    return !text.empty() && sequenceLength(text, 0) == text.size();
}

std::string_view prefix(std::string_view text, std::size_t limit) {
    std::size_t pos = 0;
    for (std::size_t count = 0; pos < text.size() && count < limit; ++count) {
        pos += sequenceLength(text, pos);
    }
    return text.substr(0, pos);
}

}  // namespace aeon::utf8
