// Minimal UTF-8 helpers: counting and cutting by code point.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace aeon::utf8 {

// Byte length of the code point that starts at text[pos] (1 for a stray or invalid byte).
std::size_t sequenceLength(std::string_view text, std::size_t pos);

std::size_t countCodePoints(std::string_view text);

bool isSingleCodePoint(std::string_view text);

// The longest prefix holding at most `limit` code points.
std::string_view prefix(std::string_view text, std::size_t limit);

}  // namespace aeon::utf8
