// The number reader: digits accumulate in extended precision, then one power-of-ten scaling.
#include "number_text.h"

#include <array>
#include <bit>
#include <cstdint>

#include "errors.h"
#include "power_of_ten.h"

namespace aeon {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Any 64-bit unsigned integer is exact in extended precision.
Extended fromUnsigned(std::uint64_t n) {
    if (n == 0) return {};
    const int lead = std::countl_zero(n);
    return Extended::fromBits(static_cast<std::uint16_t>(16383 + 63 - lead), n << lead);
}

// Applies 10^power as up to three factors: the units, the 32-blocks and the 512-blocks; a
// factor of one is skipped.
Extended scaleByPowerOfTen(Extended value, std::int64_t power) {
    if (power == 0) return value;
    if (power <= -5120) return Extended{};
    const bool divide = power < 0;
    const auto magnitude = static_cast<std::size_t>(divide ? -power : power);
    const std::size_t indices[] = {magnitude % 32, (magnitude / 32) % 16, magnitude / 512};
    const std::array<const Extended*, 3> tables = {powers_of_ten::kUnits.data(),
                                                   powers_of_ten::kThirtyTwos.data(),
                                                   powers_of_ten::kFiveTwelves.data()};
    for (std::size_t i = 0; i < 3; ++i) {
        if (indices[i] == 0) continue;
        const Extended& factor = tables[i][indices[i]];
        value = divide ? value / factor : value * factor;
    }
    return value;
}

class Reader {
  public:
    Reader(std::string_view text, std::string_view decimalSeparator)
        : text_(text), separator_(decimalSeparator) {}

    Extended read() {
        skipBlanks();
        const bool negative = accept('-');
        if (!negative) accept('+');
        const Extended ten = Extended::fromInt(10);
        // While the digits fit 64 bits, value * 10 + digit is exact in extended precision too,
        // so they gather in an integer first; past that, each step rounds as it must.
        std::uint64_t exact = 0;
        bool inExtended = false;
        Extended value;
        bool mantissaSeen = false;
        std::int64_t fractionDigits = 0;
        auto accumulate = [&](bool inFraction) {
            while (pos_ < text_.size() && isDigit(text_[pos_])) {
                const auto digit = static_cast<unsigned>(text_[pos_++] - '0');
                if (!inExtended && exact <= (UINT64_MAX - digit) / 10) {
                    exact = exact * 10 + digit;
                } else {
                    if (!inExtended) value = fromUnsigned(exact);
                    inExtended = true;
                    value = value * ten + Extended::fromInt(digit);
                }
                mantissaSeen = true;
                if (inFraction && fractionDigits < 1'000'000'000) ++fractionDigits;
            }
        };
        accumulate(false);
        if (!separator_.empty() && text_.substr(pos_, separator_.size()) == separator_) {
            pos_ += separator_.size();
            mantissaSeen = true;
            accumulate(true);
        }
        if (!mantissaSeen) fail();

        std::int64_t exponent = 0;
        if (accept('E') || accept('e')) {
            const bool negativeExponent = accept('-');
            if (!negativeExponent) accept('+');
            while (pos_ < text_.size() && isDigit(text_[pos_])) {
                if (exponent >= 500) fail();
                exponent = exponent * 10 + (text_[pos_++] - '0');
            }
            if (negativeExponent) exponent = -exponent;
        }
        skipBlanks();
        if (pos_ != text_.size()) fail();

        if (!inExtended) value = fromUnsigned(exact);
        value = scaleByPowerOfTen(value, exponent - fractionDigits);
        if (value.isInfinite()) fail();
        return negative ? -value : value;
    }

  private:
    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }
    bool accept(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    [[noreturn]] void fail() const { throw EConvertError::notANumber(text_); }

    std::string_view text_;
    std::string_view separator_;
    std::size_t pos_ = 0;
};

}  // namespace

Extended TextToExtended(std::string_view text, const RegionalSettings& settings) {
    return Reader(text, settings.decimalSeparator).read();
}

Extended TextToExtended(std::string_view text) {
    return TextToExtended(text, currentRegionalSettings());
}

}  // namespace aeon
