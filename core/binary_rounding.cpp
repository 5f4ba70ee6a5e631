// Round-to-nearest-even of exact magnitudes, shared by every Extended operation and conversion.
#include "binary_rounding.h"

#include <algorithm>

namespace aeon::detail {

RoundedMagnitude roundMagnitude(U128 magnitude, std::int64_t exp2, bool sticky,
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
        kept = shiftRight(magnitude, s).lo;
        const bool half = testBit(magnitude, s - 1);
        const bool rest = !(magnitude & lowMask(s - 1)).isZero() || sticky;
        roundUp = half && (rest || (kept & 1u) != 0);
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
