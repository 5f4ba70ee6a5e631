// Operand generator for Extended tests: random values weighted toward the hard cases.
#pragma once

#include <cstdint>
#include <random>
#include <utility>

#include "extended.h"

namespace aeon::testing {

// Uses only raw mt19937_64 output, which the standard fixes, so every platform draws the same.
class OperandGenerator {
  public:
    explicit OperandGenerator(std::uint64_t seed) : random_(seed) {}

    std::uint64_t bits() { return random_(); }
    std::uint64_t below(std::uint64_t n) { return random_() % n; }
    bool coin() { return (random_() & 1u) != 0; }

    Extended normal(int biasedExponent) {
        const auto sign = static_cast<std::uint16_t>(coin() ? 0x8000u : 0u);
        return Extended::fromBits(sign | static_cast<std::uint16_t>(biasedExponent),
                                  significand() | (std::uint64_t{1} << 63));
    }

    Extended special() {
        static constexpr std::pair<std::uint16_t, std::uint64_t> kSpecials[] = {
            {0x0000, 0},                   // zero
            {0x7FFF, 0x8000000000000000},  // infinity
            {0x7FFE, 0xFFFFFFFFFFFFFFFF},  // largest finite
            {0x0001, 0x8000000000000000},  // smallest normal
            {0x0000, 0x0000000000000001},  // smallest subnormal
            {0x0000, 0x7FFFFFFFFFFFFFFF},  // largest subnormal
            {0x3FFF, 0x8000000000000000},  // one
            {0x3FFF, 0x8000000000000001},  // one plus an ulp
            {0x3FFE, 0xFFFFFFFFFFFFFFFF},  // one minus an ulp
            {0x403D, 0xFFFFFFFFFFFFFFFF},  // just below 2^63
            {0x403E, 0x8000000000000000},  // 2^63
        };
        const auto& [se, sig] = kSpecials[below(std::size(kSpecials))];
        return Extended::fromBits(static_cast<std::uint16_t>(se | (coin() ? 0x8000u : 0u)), sig);
    }

    Extended subnormal() {
        // One draw per statement: argument evaluation order differs between compilers.
        const auto sign = static_cast<std::uint16_t>(coin() ? 0x8000u : 0u);
        const std::uint64_t sig = significand();
        return Extended::fromBits(sign, sig >> (1 + below(63)));
    }

    // Any value, with about a third of the draws in the awkward regions.
    Extended any() {
        switch (below(8)) {
            case 0:
                return special();
            case 1:
                return subnormal();
            case 2:
                return normal(1 + static_cast<int>(below(80)));
            case 3:
                return normal(0x7FFE - static_cast<int>(below(80)));
            default:
                return normal(1 + static_cast<int>(below(0x7FFE)));
        }
    }

    // A partner for `a` chosen so that a op partner lands near a boundary.
    Extended near(const Extended& a) {
        const int ea = a.signExponent() & 0x7FFF;
        switch (below(6)) {
            case 0:
                return normal(clamp(ea + static_cast<int>(below(140)) - 70));
            case 1:  // cancellation: the same value or a neighbour, opposite sign
                return Extended::fromBits(a.signExponent() ^ 0x8000u, a.significand() ^ below(4));
            case 2:  // an exact half ulp of a: ties for addition
                return Extended::fromBits(
                    static_cast<std::uint16_t>((coin() ? 0x8000u : 0u) | clamp(ea - 64)),
                    std::uint64_t{1} << 63);
            case 3:  // products and quotients at the subnormal edge
                return normal(clamp(0x3FFF - ea - 64 + static_cast<int>(below(80))));
            case 4:  // products and quotients at the overflow edge
                return normal(clamp(0x3FFF + 0x7FFE - ea - 4 + static_cast<int>(below(8))));
            default:  // 1.5 * 2^k: multiplication ties for odd significands
                return Extended::fromBits(
                    static_cast<std::uint16_t>(clamp(ea + static_cast<int>(below(8)) - 4)),
                    0xC000000000000000);
        }
    }

  private:
    std::uint64_t significand() {
        // Mostly random bits, sometimes long runs of ones or zeros.
        switch (below(4)) {
            case 0:
                return ~std::uint64_t{0} << below(64);
            case 1:
                return (std::uint64_t{1} << 63) | below(16);
            default:
                return bits();
        }
    }
    static int clamp(int e) { return e < 1 ? 1 : (e > 0x7FFE ? 0x7FFE : e); }

    std::mt19937_64 random_;
};

}  // namespace aeon::testing
