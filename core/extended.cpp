// Extended arithmetic: exact significand operations followed by one rounding each.
#include "extended.h"

#include <bit>
#include <cstring>
#include <utility>

#include "binary_rounding.h"
#include "wide_uint.h"

namespace aeon {
namespace {

using detail::U128;

constexpr std::uint16_t kSignBit = 0x8000u;
constexpr std::uint16_t kExpMask = 0x7FFFu;
constexpr int kBias = 16383;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

// value = significand * 2^exponent, significand normalised so that bit 63 is set.
struct Finite {
    bool negative;
    int exponent;
    std::uint64_t significand;
};

Finite unpack(const Extended& x) {
    const int biased = x.signExponent() & kExpMask;
    std::uint64_t sig = x.significand();
    int exponent = (biased == 0 ? 1 : biased) - kBias - 63;
    const int lead = std::countl_zero(sig);
    sig <<= lead;
    exponent -= lead;
    return {x.isNegative(), exponent, sig};
}

std::uint16_t signOf(bool negative) {
    return negative ? kSignBit : 0;
}

Extended zero(bool negative) {
    return Extended::fromBits(signOf(negative), 0);
}

Extended defaultNaN() {
    return Extended::fromBits(kSignBit | kExpMask, kIntegerBit | kQuietBit);
}

Extended quiet(const Extended& nan) {
    return Extended::fromBits(nan.signExponent(), nan.significand() | kIntegerBit | kQuietBit);
}

Extended pack(bool negative, U128 magnitude, std::int64_t exp2, bool sticky) {
    const auto r = detail::roundMagnitude(magnitude, exp2, sticky, detail::kExtendedFormat);
    if (r.infinite) return Extended::infinity(negative);
    if (r.significand == 0) return zero(negative);
    const bool subnormal = (r.significand & kIntegerBit) == 0;
    const auto biased = static_cast<std::uint16_t>(subnormal ? 0 : r.exponent + kBias);
    return Extended::fromBits(signOf(negative) | biased, r.significand);
}

// NaN operands propagate as x87 does: the one with the larger significand wins.
Extended propagateNaN(const Extended& a, const Extended& b) {
    if (a.isNaN() && b.isNaN()) {
        const std::uint64_t sa = a.significand() | kQuietBit;
        const std::uint64_t sb = b.significand() | kQuietBit;
        if (sa != sb) return quiet(sa > sb ? a : b);
        return quiet(a.isNegative() ? b : a);
    }
    return quiet(a.isNaN() ? a : b);
}

// floor(a / b * 2^65) for normalised significands (a / b lies in (1/2, 2), so 65 or 66 bits), and
// whether a remainder is left. 64-bit targets use the hardware's 128-by-64 division; others a
// restoring division. Both give the same bits.
struct Quotient {
    U128 bits;
    bool sticky;
};

Quotient divideSignificands(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
    __extension__ typedef unsigned __int128 u128;  // a compiler extension, hence the marker
    // The integer bit first, so that the rest fits one 128-by-64 division.
    const bool top = a >= b;
    const std::uint64_t rest = top ? a - b : a;
    const u128 wide = static_cast<u128>(rest) << 64;
    const auto low = static_cast<std::uint64_t>(wide / b);
    const auto remainder = static_cast<std::uint64_t>(wide % b);
    // One more bit: is twice the remainder at least b? (2 * remainder may need 65 bits.)
    const bool half = remainder >= b - remainder;
    const std::uint64_t left = half ? remainder - (b - remainder) : remainder * 2;
    const U128 bits{(top ? 2u : 0u) | (low >> 63), (low << 1) | (half ? 1u : 0u)};
    return {bits, left != 0};
#else
    U128 quotient;
    std::uint64_t remainder = a;
    bool carry = false;
    for (int i = 0; i < 66; ++i) {
        const bool bit = carry || remainder >= b;
        if (bit) remainder -= b;
        quotient = detail::shiftLeft(quotient, 1) | U128{0, bit ? 1u : 0u};
        carry = (remainder & kIntegerBit) != 0;
        remainder <<= 1;
    }
    return {quotient, carry || remainder != 0};
#endif
}

bool magnitudeLess(const Finite& a, const Finite& b) {
    return a.exponent != b.exponent ? a.exponent < b.exponent : a.significand < b.significand;
}

}  // namespace

Extended Extended::infinity(bool negative) {
    return fromBits(signOf(negative) | kExpMask, kIntegerBit);
}

Extended Extended::fromInt(std::int64_t value) {
    if (value == 0) return {};
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    return pack(negative, U128{0, magnitude}, 0, false);
}

Extended Extended::fromDouble(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FFu);
    const std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0x7FF) {
        if (mantissa == 0) return infinity(negative);
        return fromBits(signOf(negative) | kExpMask, kIntegerBit | kQuietBit | (mantissa << 11));
    }
    if (biased == 0) return pack(negative, U128{0, mantissa}, -1074, false);
    return pack(negative, U128{0, mantissa | (std::uint64_t{1} << 52)}, biased - 1075, false);
}

Extended::StoredDouble Extended::toDouble() const {
    const std::uint64_t sign = isNegative() ? (std::uint64_t{1} << 63) : 0;
    if (isNaN()) {
        const std::uint64_t payload = (significand_ & ~kIntegerBit) >> 11;
        return {std::bit_cast<double>(sign | (std::uint64_t{0x7FF} << 52) | payload |
                                      (std::uint64_t{1} << 51)),
                false};
    }
    if (isInfinite()) return {std::bit_cast<double>(sign | (std::uint64_t{0x7FF} << 52)), false};
    if (isZero()) return {std::bit_cast<double>(sign), false};
    const Finite f = unpack(*this);
    const auto r =
        detail::roundMagnitude(U128{0, f.significand}, f.exponent, false, detail::kDoubleFormat);
    if (r.infinite) return {std::bit_cast<double>(sign | (std::uint64_t{0x7FF} << 52)), true};
    const bool subnormal = (r.significand >> 52) == 0;
    const std::uint64_t biased = subnormal ? 0 : static_cast<std::uint64_t>(r.exponent + 1023);
    const std::uint64_t mantissa = r.significand & ((std::uint64_t{1} << 52) - 1);
    return {std::bit_cast<double>(sign | (biased << 52) | mantissa), false};
}

std::optional<std::int64_t> Extended::truncToInt64() const {
    if (!isFinite()) return std::nullopt;
    if (isZero()) return 0;
    const Finite f = unpack(*this);
    if (f.exponent > 0) return std::nullopt;  // at least 2^64
    const std::uint64_t magnitude = f.exponent <= -64 ? 0 : f.significand >> -f.exponent;
    if (magnitude > (f.negative ? kIntegerBit : kIntegerBit - 1)) return std::nullopt;
    return f.negative ? static_cast<std::int64_t>(~magnitude + 1)
                      : static_cast<std::int64_t>(magnitude);
}

std::optional<std::int64_t> Extended::roundToInt64() const {
    if (!isFinite()) return std::nullopt;
    if (isZero()) return 0;
    const Finite f = unpack(*this);
    if (f.exponent > 0) return std::nullopt;
    std::uint64_t magnitude = 0;
    if (f.exponent == 0) {
        magnitude = f.significand;
    } else if (f.exponent >= -64) {
        const int s = -f.exponent;
        magnitude = s == 64 ? 0 : f.significand >> s;
        const bool half = ((f.significand >> (s - 1)) & 1u) != 0;
        const bool rest = s > 1 && (f.significand & (~std::uint64_t{0} >> (65 - s))) != 0;
        if (half && (rest || (magnitude & 1u) != 0)) ++magnitude;
    }
    if (magnitude > (f.negative ? kIntegerBit : kIntegerBit - 1)) return std::nullopt;
    return f.negative ? static_cast<std::int64_t>(~magnitude + 1)
                      : static_cast<std::int64_t>(magnitude);
}

Extended Extended::truncated() const {
    if (!isFinite() || isZero()) return isNaN() ? quiet(*this) : *this;
    const Finite f = unpack(*this);
    if (f.exponent >= 0) return *this;
    if (f.exponent <= -64) return zero(f.negative);
    const std::uint64_t kept = f.significand & ~(~std::uint64_t{0} >> (64 + f.exponent));
    if (kept == 0) return zero(f.negative);
    return pack(f.negative, U128{0, kept}, f.exponent, false);
}

Extended operator+(const Extended& a, const Extended& b) {
    if (a.isNaN() || b.isNaN()) return propagateNaN(a, b);
    if (a.isInfinite() || b.isInfinite()) {
        if (a.isInfinite() && b.isInfinite() && a.isNegative() != b.isNegative()) {
            return defaultNaN();
        }
        return a.isInfinite() ? a : b;
    }
    if (a.isZero() && b.isZero()) return zero(a.isNegative() && b.isNegative());
    if (a.isZero()) return b;
    if (b.isZero()) return a;

    Finite big = unpack(a);
    Finite small = unpack(b);
    if (magnitudeLess(big, small)) std::swap(big, small);
    // Both significands sit at bits 126..63; the smaller is aligned with its lost bits jammed
    // into bit 0, which leaves ample guard bits for one correct rounding.
    const U128 bigMag = detail::shiftLeft(U128{0, big.significand}, 63);
    const U128 smallFull = detail::shiftLeft(U128{0, small.significand}, 63);
    const int distance = big.exponent - small.exponent;
    U128 smallMag = detail::shiftRight(smallFull, distance > 127 ? 128 : distance);
    const bool lost = distance > 127 || !(smallFull & detail::lowMask(distance)).isZero();
    if (lost) smallMag = smallMag | U128{0, 1};

    const std::int64_t exp2 = static_cast<std::int64_t>(big.exponent) - 63;
    if (big.negative == small.negative) return pack(big.negative, bigMag + smallMag, exp2, false);
    const U128 difference = bigMag - smallMag;
    if (difference.isZero()) return Extended{};
    return pack(big.negative, difference, exp2, false);
}

Extended operator*(const Extended& a, const Extended& b) {
    if (a.isNaN() || b.isNaN()) return propagateNaN(a, b);
    const bool negative = a.isNegative() != b.isNegative();
    if (a.isInfinite() || b.isInfinite()) {
        if (a.isZero() || b.isZero()) return defaultNaN();
        return Extended::infinity(negative);
    }
    if (a.isZero() || b.isZero()) return zero(negative);
    const Finite fa = unpack(a);
    const Finite fb = unpack(b);
    return pack(negative, detail::multiply(fa.significand, fb.significand),
                static_cast<std::int64_t>(fa.exponent) + fb.exponent, false);
}

Extended operator/(const Extended& a, const Extended& b) {
    if (a.isNaN() || b.isNaN()) return propagateNaN(a, b);
    const bool negative = a.isNegative() != b.isNegative();
    if (a.isInfinite()) return b.isInfinite() ? defaultNaN() : Extended::infinity(negative);
    if (b.isInfinite()) return zero(negative);
    if (b.isZero()) return a.isZero() ? defaultNaN() : Extended::infinity(negative);
    if (a.isZero()) return zero(negative);

    const Finite fa = unpack(a);
    const Finite fb = unpack(b);
    const auto [quotient, sticky] = divideSignificands(fa.significand, fb.significand);
    const std::int64_t exp2 = static_cast<std::int64_t>(fa.exponent) - fb.exponent - 65;
    return pack(negative, quotient, exp2, sticky);
}

std::partial_ordering operator<=>(const Extended& a, const Extended& b) {
    if (a.isNaN() || b.isNaN()) return std::partial_ordering::unordered;
    if (a.isZero() && b.isZero()) return std::partial_ordering::equivalent;
    if (a.isNegative() != b.isNegative()) {
        return a.isNegative() ? std::partial_ordering::less : std::partial_ordering::greater;
    }
    const auto ea = a.signExponent() & kExpMask;
    const auto eb = b.signExponent() & kExpMask;
    std::strong_ordering magnitude = ea != eb ? ea <=> eb : a.significand() <=> b.significand();
    if (a.isNegative()) magnitude = 0 <=> magnitude;
    return magnitude;
}

}  // namespace aeon
