// Rounds an exact binary magnitude to nearest, ties to even, into a format of given precision.
#pragma once

#include <cstdint>

#include "wide_uint.h"

namespace aeon::detail {

struct BinaryFormat {
    int precision;  // significand bits, integer bit included (at most 64)
    int minExp;     // unbiased exponent of the smallest normal number
    int maxExp;     // unbiased exponent of the largest finite number
};

inline constexpr BinaryFormat kExtendedFormat{64, -16382, 16383};
inline constexpr BinaryFormat kDoubleFormat{53, -1022, 1023};

struct RoundedMagnitude {
    std::uint64_t significand = 0;  // 0 for zero; below 2^(precision-1) when subnormal
    int exponent = 0;               // unbiased exponent of the leading bit position
    bool infinite = false;
};

// Rounds magnitude * 2^exp2 (plus a nonzero remainder below its last bit when `sticky`).
// With `sticky` set, the caller keeps at least one guard bit: the magnitude must then
// reach at least precision + 1 bits or lie in the subnormal range.
RoundedMagnitude roundMagnitude(U128 magnitude, std::int64_t exp2, bool sticky,
                                const BinaryFormat& format);

}  // namespace aeon::detail
