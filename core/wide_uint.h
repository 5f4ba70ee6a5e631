// 128-bit unsigned helper for exact significand arithmetic, portable to 32-bit targets.
#pragma once

#include <bit>
#include <cstdint>

namespace aeon::detail {

struct U128 {
    std::uint64_t hi = 0;
    std::uint64_t lo = 0;

    friend constexpr bool operator==(const U128&, const U128&) = default;
    constexpr bool isZero() const { return (hi | lo) == 0; }
};

constexpr U128 operator+(U128 a, U128 b) {
    const std::uint64_t lo = a.lo + b.lo;
    return {a.hi + b.hi + (lo < a.lo ? 1u : 0u), lo};
}

constexpr U128 operator-(U128 a, U128 b) {
    return {a.hi - b.hi - (a.lo < b.lo ? 1u : 0u), a.lo - b.lo};
}

constexpr U128 operator|(U128 a, U128 b) {
    return {a.hi | b.hi, a.lo | b.lo};
}
constexpr U128 operator&(U128 a, U128 b) {
    return {a.hi & b.hi, a.lo & b.lo};
}

constexpr bool operator<(U128 a, U128 b) {
    return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo;
}

#if defined(__SIZEOF_INT128__)
// Where the compiler has a native 128-bit type the helpers use it: shifts and masks become a
// few instructions. The struct stays the interface, so 32-bit targets share every caller.
__extension__ typedef unsigned __int128 NativeU128;
constexpr NativeU128 native(U128 v) {
    return (static_cast<NativeU128>(v.hi) << 64) | v.lo;
}
constexpr U128 fromNative(NativeU128 v) {
    return {static_cast<std::uint64_t>(v >> 64), static_cast<std::uint64_t>(v)};
}

constexpr U128 shiftLeft(U128 v, int n) {
    return n >= 128 ? U128{} : fromNative(native(v) << n);
}
constexpr U128 shiftRight(U128 v, int n) {
    return n >= 128 ? U128{} : fromNative(native(v) >> n);
}
constexpr U128 lowMask(int n) {
    return n >= 128 ? U128{~std::uint64_t{0}, ~std::uint64_t{0}}
                    : fromNative((static_cast<NativeU128>(1) << n) - 1);
}
#else
// Shifts of 128 and more give 0; n must not be negative.
constexpr U128 shiftLeft(U128 v, int n) {
    if (n == 0) return v;
    if (n >= 128) return {};
    if (n >= 64) return {v.lo << (n - 64), 0};
    return {(v.hi << n) | (v.lo >> (64 - n)), v.lo << n};
}

constexpr U128 shiftRight(U128 v, int n) {
    if (n == 0) return v;
    if (n >= 128) return {};
    if (n >= 64) return {0, v.hi >> (n - 64)};
    return {v.hi >> n, (v.lo >> n) | (v.hi << (64 - n))};
}

// Mask of the n lowest bits, 0 <= n <= 128.
constexpr U128 lowMask(int n) {
    if (n >= 128) return {~std::uint64_t{0}, ~std::uint64_t{0}};
    if (n >= 64) return {(n == 64) ? 0 : (~std::uint64_t{0} >> (128 - n)), ~std::uint64_t{0}};
    return {0, (n == 0) ? 0 : (~std::uint64_t{0} >> (64 - n))};
}
#endif

constexpr bool testBit(U128 v, int n) {
    return n >= 64 ? ((v.hi >> (n - 64)) & 1u) != 0 : ((v.lo >> n) & 1u) != 0;
}

// Index of the highest set bit; v must not be zero.
constexpr int highestBit(U128 v) {
    return v.hi != 0 ? 127 - std::countl_zero(v.hi) : 63 - std::countl_zero(v.lo);
}

constexpr U128 multiply(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
    return fromNative(static_cast<NativeU128>(a) * b);
#else
    const std::uint64_t aLo = a & 0xFFFFFFFFu;
    const std::uint64_t aHi = a >> 32;
    const std::uint64_t bLo = b & 0xFFFFFFFFu;
    const std::uint64_t bHi = b >> 32;
    const std::uint64_t ll = aLo * bLo;
    const std::uint64_t lh = aLo * bHi;
    const std::uint64_t hl = aHi * bLo;
    const std::uint64_t hh = aHi * bHi;
    const std::uint64_t mid = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
    return {hh + (lh >> 32) + (hl >> 32) + (mid >> 32), (mid << 32) | (ll & 0xFFFFFFFFu)};
#endif
}

}  // namespace aeon::detail
