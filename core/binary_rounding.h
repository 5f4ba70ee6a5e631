// Rounds an exact binary magnitude to nearest, ties to even, into a format of given precision.
#pragma once

#include <algorithm>
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
// Inline, so that each caller's constant format folds into the code.
inline RoundedMagnitude roundMagnitude(U128 magnitude, std::int64_t exp2, bool sticky,
                                       const BinaryFormat& format) {
    if (magnitude.isZero()) return {};
    const int top = highestBit(magnitude);
    // Exponent of the leading bit, clamped to the subnormal floor.
    const std::int64_t exponent = std::max<std::int64_t>(exp2 + top, format.minExp);
    const std::int64_t lastBitExp = exponent - (format.precision - 1);
    const std::int64_t shift = lastBitExp - exp2;

    std::uint64_t kept = 0;
    bool roundUp = false;
    if (shift <= 0) {
        kept = shiftLeft(magnitude, static_cast<int>(-shift)).lo;
    } else if (shift > 128) {
        kept = 0;  // far below the smallest subnormal: rounds to zero
    } else {
        const int s = static_cast<int>(shift);
#if defined(__SIZEOF_INT128__)
        // The same decision on the native type: the remainder against exactly one half.
        const NativeU128 m = native(magnitude);
        const NativeU128 remainder = s == 128 ? m : m & ((static_cast<NativeU128>(1) << s) - 1);
        const NativeU128 half = static_cast<NativeU128>(1) << (s - 1);
        kept = s == 128 ? 0 : static_cast<std::uint64_t>(m >> s);
        roundUp = remainder > half || (remainder == half && (sticky || (kept & 1u) != 0));
#else
        kept = shiftRight(magnitude, s).lo;
        const bool half = testBit(magnitude, s - 1);
        const bool rest = !(magnitude & lowMask(s - 1)).isZero() || sticky;
        roundUp = half && (rest || (kept & 1u) != 0);
#endif
    }

    RoundedMagnitude result{kept, static_cast<int>(exponent), false};
    if (roundUp) {
        const std::uint64_t full =
            format.precision == 64 ? 0 : (std::uint64_t{1} << format.precision);
        ++result.significand;
        if (result.significand == full) {  // carried out of the significand (wraps at 64)
            result.significand = std::uint64_t{1} << (format.precision - 1);
            ++result.exponent;
        }
    }
    if (result.exponent > format.maxExp) result = {0, 0, true};
    return result;
}

}  // namespace aeon::detail
