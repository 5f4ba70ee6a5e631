// Bit-exact exchange between Extended and the x87 unit's long double, where the host has one.
#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>

#include "extended.h"

#if LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
#define AEONARIUM_HAS_X87 1

namespace aeon::testing {

inline long double toHardware(const Extended& x) {
    long double value = 0;
    const std::uint64_t sig = x.significand();
    const std::uint16_t se = x.signExponent();
    std::memcpy(&value, &sig, 8);
    std::memcpy(reinterpret_cast<char*>(&value) + 8, &se, 2);
    return value;
}

inline Extended fromHardware(long double value) {
    std::uint64_t sig = 0;
    std::uint16_t se = 0;
    std::memcpy(&sig, &value, 8);
    std::memcpy(&se, reinterpret_cast<const char*>(&value) + 8, 2);
    return Extended::fromBits(se, sig);
}

}  // namespace aeon::testing
#endif
