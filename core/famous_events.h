// Well-established events of cosmic and Earth history with their ages, for the events table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace aeon {

struct FamousEvent {
    std::string_view name;  // German
    std::int64_t yearsAgo;
};

extern const std::array<FamousEvent, 21> kFamousEvents;

}  // namespace aeon
