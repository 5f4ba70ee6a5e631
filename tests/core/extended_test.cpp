// Extended: bit-for-bit against x87 hardware where it exists, and known values everywhere.
#include "extended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "extended_operands.h"
#include "x87.h"

namespace aeon {
namespace {

using testing::OperandGenerator;

std::string show(const Extended& x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04X:%016llX", x.signExponent(),
                  static_cast<unsigned long long>(x.significand()));
    return buffer;
}

[[maybe_unused]] bool sameBits(const Extended& a, const Extended& b) {
    if (a.isNaN() || b.isNaN()) return a.isNaN() && b.isNaN();
    return a.signExponent() == b.signExponent() && a.significand() == b.significand();
}

#ifdef AEONARIUM_HAS_X87
constexpr bool kHardwareExtended = true;
using testing::fromHardware;
using testing::toHardware;

// Keeps the compiler from folding or reassociating the hardware operations.
template <typename T>
T opaque(T v) {
    asm volatile("" : "+m"(v));
    return v;
}

void expectSameAsHardware(const Extended& a, const Extended& b) {
    const long double ha = opaque(toHardware(a));
    const long double hb = opaque(toHardware(b));
    const auto context = [&] { return show(a) + " , " + show(b); };
    ASSERT_PRED2(sameBits, a + b, fromHardware(opaque(ha + hb))) << "add " << context();
    ASSERT_PRED2(sameBits, a - b, fromHardware(opaque(ha - hb))) << "sub " << context();
    ASSERT_PRED2(sameBits, a * b, fromHardware(opaque(ha * hb))) << "mul " << context();
    ASSERT_PRED2(sameBits, a / b, fromHardware(opaque(ha / hb))) << "div " << context();
    ASSERT_EQ(a < b, ha < hb) << context();
    ASSERT_EQ(a == b, ha == hb) << context();
    ASSERT_EQ(a > b, ha > hb) << context();
}

void expectConversionsAsHardware(const Extended& a) {
    const long double ha = opaque(toHardware(a));
    const double hd = opaque(static_cast<double>(ha));
    const auto stored = a.toDouble();
    if (std::isnan(hd)) {
        ASSERT_TRUE(std::isnan(stored.value)) << show(a);
    } else {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(stored.value), std::bit_cast<std::uint64_t>(hd))
            << show(a);
        ASSERT_EQ(stored.overflow, std::isinf(hd) && !std::isinf(ha)) << show(a);
    }
    const bool inRange = ha >= -0x1p63L && ha < 0x1p63L;
    ASSERT_EQ(a.truncToInt64().has_value(), inRange) << show(a);
    if (inRange) {
        ASSERT_EQ(*a.truncToInt64(), static_cast<std::int64_t>(ha)) << show(a);
    }
    const bool roundsInRange = ha >= -0x1p63L && ha < 0x1p63L - 0.5L;
    if (roundsInRange) {
        ASSERT_EQ(a.roundToInt64(), std::optional<std::int64_t>(llrintl(ha))) << show(a);
    }
    if (!std::isnan(ha)) {
        ASSERT_PRED2(sameBits, a.truncated(), fromHardware(opaque(truncl(ha)))) << show(a);
    }
    const double d = opaque(std::bit_cast<double>(a.significand() ^ a.signExponent()));
    ASSERT_PRED2(sameBits, Extended::fromDouble(d),
                 fromHardware(opaque(static_cast<long double>(d))));
}

TEST(ExtendedHardware, RandomOperandsMatchX87BitForBit) {
    OperandGenerator gen(20160101);
    for (int i = 0; i < 1'000'000; ++i) {
        const Extended a = gen.any();
        const Extended b = gen.coin() ? gen.any() : gen.near(a);
        expectSameAsHardware(a, b);
        expectSameAsHardware(b, a);
        expectConversionsAsHardware(a);
    }
}

TEST(ExtendedHardware, IntegersMatch) {
    OperandGenerator gen(7);
    for (int i = 0; i < 100'000; ++i) {
        const auto v = static_cast<std::int64_t>(gen.bits() >> gen.below(64));
        const std::int64_t n = gen.coin() ? v : -v;
        ASSERT_PRED2(sameBits, Extended::fromInt(n),
                     fromHardware(opaque(static_cast<long double>(n))));
    }
    ASSERT_PRED2(sameBits, Extended::fromInt(std::numeric_limits<std::int64_t>::min()),
                 fromHardware(-0x1p63L));
}
#else
constexpr bool kHardwareExtended = false;
#endif

TEST(Extended, KnownValues) {
    const Extended one = Extended::fromInt(1);
    const Extended three = Extended::fromInt(3);
    const Extended ten = Extended::fromInt(10);
    EXPECT_EQ(show(one / three), "3FFD:AAAAAAAAAAAAAAAB");
    EXPECT_EQ(show(one / ten), "3FFB:CCCCCCCCCCCCCCCD");
    EXPECT_EQ(show(Extended::fromDouble(0.1)), "3FFB:CCCCCCCCCCCCD000");
    EXPECT_EQ(show(-Extended::fromInt(2)), "C000:8000000000000000");
    EXPECT_EQ(show(Extended::fromInt(1) - Extended::fromInt(1)), "0000:0000000000000000");
    EXPECT_EQ(show(-Extended{} + -Extended{}), "8000:0000000000000000");
    // 1 + 2^-64 is a tie between 1 and 1 + 2^-63: ties go to the even significand.
    const Extended halfUlp = Extended::fromBits(0x3FBF, 0x8000000000000000);
    EXPECT_EQ(show(one + halfUlp), "3FFF:8000000000000000");
    const Extended oneUp = Extended::fromBits(0x3FFF, 0x8000000000000001);
    EXPECT_EQ(show(oneUp + halfUlp), "3FFF:8000000000000002");
}

TEST(Extended, ErrorsAreResultsNotTraps) {
    const Extended largest = Extended::fromBits(0x7FFE, 0xFFFFFFFFFFFFFFFF);
    EXPECT_TRUE((largest * Extended::fromInt(2)).isInfinite());
    EXPECT_TRUE((Extended::fromInt(1) / Extended{}).isInfinite());
    EXPECT_TRUE((Extended{} / Extended{}).isNaN());
    EXPECT_TRUE((Extended::infinity(false) - Extended::infinity(false)).isNaN());
    EXPECT_TRUE(largest.toDouble().overflow);
    EXPECT_FALSE(Extended::fromDouble(1e308).toDouble().overflow);
    EXPECT_EQ(Extended::fromInt(1).truncToInt64(), 1);
    EXPECT_FALSE(Extended::fromBits(0x403E, 0x8000000000000000).truncToInt64().has_value());
    EXPECT_EQ(Extended::fromBits(0xC03E, 0x8000000000000000).truncToInt64(),
              std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(Extended::infinity(true).truncToInt64().has_value());
    EXPECT_FALSE((Extended{} / Extended{}).truncToInt64().has_value());
    // The smallest subnormal halved is a tie with zero, and zero is even.
    const Extended tiny = Extended::fromBits(0x0000, 1);
    EXPECT_TRUE((tiny / Extended::fromInt(2)).isZero());
    EXPECT_EQ(show(tiny * Extended::fromDouble(1.5)), "0000:0000000000000002");
}

TEST(Extended, RoundingToIntegersUsesTiesToEven) {
    const struct {
        double value;
        std::int64_t nearest;
        std::int64_t truncated;
    } cases[] = {{0.5, 0, 0},    {1.5, 2, 1},
                 {2.5, 2, 2},    {-0.5, 0, 0},
                 {-1.5, -2, -1}, {0.49999999999999994, 0, 0},
                 {-2.7, -3, -2}, {1e18, 1000000000000000000, 1000000000000000000}};
    for (const auto& c : cases) {
        const Extended x = Extended::fromDouble(c.value);
        EXPECT_EQ(x.roundToInt64(), c.nearest) << c.value;
        EXPECT_EQ(x.truncToInt64(), c.truncated) << c.value;
    }
    EXPECT_TRUE(Extended::fromDouble(-0.5).truncated().isNegative());
    EXPECT_TRUE(Extended::fromDouble(-0.5).truncated().isZero());
}

// The same random operations give the same bits on every processor: a digest recorded on x86
// hardware, where the differential test above proves each result, checks the other platforms.
TEST(Extended, DigestOfRandomOperationsIsPlatformIndependent) {
    OperandGenerator gen(4354);
    std::uint64_t digest = 0xcbf29ce484222325u;
    auto mix = [&digest](const Extended& x) {
        const std::uint64_t word =
            x.isNaN() ? 0x7FFFu : (x.significand() ^ (std::uint64_t{x.signExponent()} << 48));
        for (int shift = 0; shift < 64; shift += 8) {
            digest = (digest ^ ((word >> shift) & 0xFFu)) * 0x100000001b3u;
        }
    };
    for (int i = 0; i < 200'000; ++i) {
        const Extended a = gen.any();
        const Extended b = gen.coin() ? gen.any() : gen.near(a);
        mix(a + b);
        mix(a - b);
        mix(a * b);
        mix(a / b);
        mix(Extended::fromDouble(a.toDouble().value));
    }
    EXPECT_EQ(digest, 0x73e3bd60a237a387u)
        << "digest " << std::hex << digest
        << (kHardwareExtended ? " (hardware-checked platform)" : "");
}

}  // namespace
}  // namespace aeon
