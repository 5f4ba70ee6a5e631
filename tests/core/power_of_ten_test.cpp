// Every power-of-ten constant is the correctly rounded extended value, checked with big integers.
#include "power_of_ten.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace aeon {
namespace {

// 10^n as little-endian 32-bit limbs.
std::vector<std::uint32_t> powerOfTen(int n) {
    std::vector<std::uint32_t> limbs{1};
    for (int i = 0; i < n; ++i) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs) {
            const std::uint64_t v = std::uint64_t{limb} * 10 + carry;
            limb = static_cast<std::uint32_t>(v);
            carry = v >> 32;
        }
        if (carry != 0) limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    return limbs;
}

bool bitAt(const std::vector<std::uint32_t>& limbs, long long i) {
    return i >= 0 && ((limbs[static_cast<std::size_t>(i / 32)] >> (i % 32)) & 1u) != 0;
}

// Correctly rounded (nearest, ties to even) 64-bit significand and biased exponent.
std::pair<std::uint16_t, std::uint64_t> expected(int n) {
    const auto limbs = powerOfTen(n);
    long long top = static_cast<long long>(limbs.size()) * 32 - 1;
    while (!bitAt(limbs, top)) --top;
    std::uint64_t sig = 0;
    for (long long i = top; i > top - 64; --i) sig = (sig << 1) | (bitAt(limbs, i) ? 1u : 0u);
    const long long roundBit = top - 64;
    bool sticky = false;
    for (long long i = roundBit - 1; i >= 0 && !sticky; --i) sticky = bitAt(limbs, i);
    auto exponent = static_cast<std::uint16_t>(top + 16383);
    if (bitAt(limbs, roundBit) && (sticky || (sig & 1u) != 0)) {
        if (++sig == 0) {
            sig = std::uint64_t{1} << 63;
            ++exponent;
        }
    }
    return {exponent, sig};
}

void expectTable(const auto& table, int step) {
    for (std::size_t k = 0; k < table.size(); ++k) {
        const int n = static_cast<int>(k) * step;
        const auto [exponent, sig] = expected(n);
        EXPECT_EQ(table[k].signExponent(), exponent) << "10^" << n;
        EXPECT_EQ(table[k].significand(), sig) << "10^" << n;
    }
}

TEST(PowersOfTen, UnitsAreCorrectlyRounded) {
    expectTable(powers_of_ten::kUnits, 1);
}
TEST(PowersOfTen, ThirtyTwoBlocksAreCorrectlyRounded) {
    expectTable(powers_of_ten::kThirtyTwos, 32);
}
TEST(PowersOfTen, FiveTwelveBlocksAreCorrectlyRounded) {
    expectTable(powers_of_ten::kFiveTwelves, 512);
}

}  // namespace
}  // namespace aeon
