// The number reader: the accepted grammar, the errors and the rounding of the result.
#include "number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

#include "errors.h"
#include "power_of_ten.h"
#include "x87.h"

namespace aeon {
namespace {

Extended ratio(std::int64_t numerator, std::int64_t denominator) {
    return Extended::fromInt(numerator) / Extended::fromInt(denominator);
}

bool sameBits(const Extended& a, const Extended& b) {
    return a.signExponent() == b.signExponent() && a.significand() == b.significand();
}

struct ReadCase {
    const char* text;
    Extended expected;
};

TEST(TextToExtended, ReadsUnderADecimalComma) {
    const RegionalSettings german = RegionalSettings::german();
    const ReadCase cases[] = {
        {" 5 ", Extended::fromInt(5)},
        {"5", Extended::fromInt(5)},
        {"+5", Extended::fromInt(5)},
        {"-5", Extended::fromInt(-5)},
        {"13,798", ratio(13798, 1000)},
        {",", Extended{}},
        {"-,", -Extended{}},
        {"-0", -Extended{}},
        {"5,", Extended::fromInt(5)},
        {",5", ratio(1, 2)},
        {"0,1", ratio(1, 10)},
        {"1e3", Extended::fromInt(1000)},
        {"1E", Extended::fromInt(1)},
        {"1e+", Extended::fromInt(1)},
        {"1e-2", ratio(1, 100)},
        {"2,5E+2", Extended::fromInt(250)},
        {"1e0000000002", Extended::fromInt(100)},
        {"65", Extended::fromInt(65)},
        {"0000000000000000000000000007", Extended::fromInt(7)},
        {"1234567890123456789", Extended::fromInt(1234567890123456789)},
        {"  6899   ", Extended::fromInt(6899)},
    };
    for (const auto& c : cases) {
        const Extended read = TextToExtended(c.text, german);
        EXPECT_PRED2(sameBits, read, c.expected) << '"' << c.text << '"';
    }
}

TEST(TextToExtended, RejectsWithTheWholeTextInTheMessage) {
    const RegionalSettings german = RegionalSettings::german();
    const char* const rejected[] = {"13.798", "\t5",   "",       "   ",    "+",      "-",
                                    "E5",     "e",     "- 5",    "5 5",    "1,2,3",  "1.000",
                                    "5x",     "0x10",  "1e5000", "1e4999", "1e4933", "++5",
                                    "+-5",    "1e--2", "5\t",    "５",     "inf",    "nan"};
    for (const char* text : rejected) {
        try {
            TextToExtended(text, german);
            ADD_FAILURE() << "accepted \"" << text << '"';
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' ist kein gültiger Gleitkommawert");
        }
    }
}

// A NUL would end the message early; it shows as a blank like other control characters.
TEST(TextToExtended, ANulInTheTextKeepsTheWholeMessage) {
    const std::string text(
        "6\0"
        "899",
        5);
    try {
        TextToExtended(text, RegionalSettings::german());
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'6 899' ist kein gültiger Gleitkommawert");
    }
}

TEST(TextToExtended, OnlyTheSettingsSeparatorCounts) {
    RegionalSettings settings = RegionalSettings::german();
    settings.decimalSeparator = ".";
    EXPECT_PRED2(sameBits, TextToExtended("13.798", settings), ratio(13798, 1000));
    EXPECT_THROW(TextToExtended("13,798", settings), EConvertError);
    settings.decimalSeparator = "\u066B";  // Arabic decimal separator, two bytes in UTF-8
    EXPECT_PRED2(sameBits, TextToExtended("1\u066B5", settings), ratio(3, 2));
    EXPECT_THROW(TextToExtended("1\xD9", settings), EConvertError);
}

TEST(TextToExtended, RangeEdges) {
    const RegionalSettings german = RegionalSettings::german();
    EXPECT_TRUE(TextToExtended("1e4932", german).isFinite());
    EXPECT_TRUE(TextToExtended("1e500", german).isFinite());
    const Extended tiny = TextToExtended("1e-4940", german);
    EXPECT_FALSE(tiny.isZero());
    EXPECT_EQ(tiny.signExponent() & 0x7FFF, 0);  // subnormal
    EXPECT_TRUE(TextToExtended("1e-4999", german).isZero());
    // A net power of ten of -5120 or below reads as zero; -5119 is still scaled (and underflows).
    EXPECT_TRUE(TextToExtended("," + std::string(5119, '0') + "1", german).isZero());
    EXPECT_TRUE(TextToExtended("-," + std::string(5119, '0') + "1", german).isNegative());
    const Extended one = TextToExtended("1," + std::string(4000, '0'), german);
    EXPECT_TRUE(one > Extended::fromDouble(0.999999) && one < Extended::fromDouble(1.000001));
}

#ifdef AEONARIUM_HAS_X87
using testing::toHardware;

// Up to 19 digits with a net power of ten of at most 27 read correctly rounded, as strtold does.
TEST(TextToExtended, ShortInputsAreCorrectlyRoundedLikeStrtold) {
    RegionalSettings settings = RegionalSettings::german();
    settings.decimalSeparator = ".";
    std::mt19937_64 random(65);
    for (int i = 0; i < 200'000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 19);
        std::string text;
        for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
        const int fraction = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
        if (fraction > 0) text.insert(text.size() - static_cast<std::size_t>(fraction), ".");
        const int exponent = static_cast<int>(random() % 55) - 27 + fraction;
        if (exponent - fraction < -27 || exponent - fraction > 27) continue;
        text += "e" + std::to_string(exponent);
        const long double expected = std::strtold(text.c_str(), nullptr);
        ASSERT_EQ(toHardware(TextToExtended(text, settings)), expected) << text;
    }
}
#endif

#ifdef AEONARIUM_HAS_X87

// The reader's arithmetic done by the x87 unit: digits accumulate, then the three factors.
long double readOnHardware(const std::string& digits, std::int64_t power) {
    volatile long double value = 0;
    for (const char d : digits) value = value * 10 + (d - '0');
    if (power <= -5120) return 0;
    const std::int64_t m = power < 0 ? -power : power;
    const Extended factors[] = {powers_of_ten::kUnits[static_cast<std::size_t>(m % 32)],
                                powers_of_ten::kThirtyTwos[static_cast<std::size_t>((m / 32) % 16)],
                                powers_of_ten::kFiveTwelves[static_cast<std::size_t>(m / 512)]};
    for (const Extended& f : factors) {
        if (f == powers_of_ten::kUnits[0]) continue;
        value = power < 0 ? value / toHardware(f) : value * toHardware(f);
    }
    return value;
}

// Every net power of ten from -5200 to +4999 (the reader takes exponents up to 4999), with
// mantissas of 1 to 40 digits, against the hardware doing the same steps.
TEST(TextToExtended, PowerOfTenSweepMatchesHardware) {
    RegionalSettings settings = RegionalSettings::german();
    settings.decimalSeparator = ".";
    std::mt19937_64 random(5120);
    for (std::int64_t power = -5200; power <= 4999; ++power) {
        for (int draw = 0; draw < 4; ++draw) {
            std::string digits(1 + random() % 40, '0');
            for (char& d : digits) d = static_cast<char>('0' + random() % 10);
            digits[0] = static_cast<char>('1' + random() % 9);
            // Powers below -4999 need fraction digits: the exponent alone cannot go that far.
            const std::int64_t fraction = power < -4999 ? -4999 - power : 0;
            std::string text = digits;
            if (fraction > 0)
                text = "0." + std::string(static_cast<std::size_t>(fraction), '0') + digits;
            const std::int64_t exponent =
                power + fraction + (fraction > 0 ? static_cast<std::int64_t>(digits.size()) : 0);
            text += "e" + std::to_string(exponent);
            const long double expected = readOnHardware(digits, power);
            if (std::isinf(expected)) {
                EXPECT_THROW(TextToExtended(text, settings), EConvertError) << text;
                continue;
            }
            const Extended read = TextToExtended(text, settings);
            const long double actual = toHardware(read);
            ASSERT_TRUE(actual == expected && std::signbit(actual) == std::signbit(expected))
                << text << " power " << power;
        }
    }
}
#endif

}  // namespace
}  // namespace aeon
