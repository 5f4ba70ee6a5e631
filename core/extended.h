// Extended: the 80-bit extended-precision format (64-bit significand) in portable C++.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>

namespace aeon {

// Every operation rounds to nearest, ties to even, exactly as an x87 unit at 64-bit precision
// with all exceptions masked: overflow gives an infinity, invalid operations the default NaN,
// underflow a subnormal or zero. Callers detect errors from the results; nothing traps.
class Extended {
  public:
    constexpr Extended() = default;  // +0

    static constexpr Extended fromBits(std::uint16_t signExponent, std::uint64_t significand) {
        Extended e;
        e.signExponent_ = signExponent;
        e.significand_ = significand;
        return e;
    }
    static Extended fromInt(std::int64_t value);
    static Extended fromDouble(double value);
    static Extended infinity(bool negative);

    constexpr std::uint16_t signExponent() const { return signExponent_; }
    constexpr std::uint64_t significand() const { return significand_; }

    bool isNegative() const { return (signExponent_ & 0x8000u) != 0; }
    bool isZero() const { return (signExponent_ & 0x7FFFu) == 0 && significand_ == 0; }
    bool isInfinite() const { return !isFinite() && (significand_ << 1) == 0; }
    bool isNaN() const { return !isFinite() && (significand_ << 1) != 0; }
    bool isFinite() const { return (signExponent_ & 0x7FFFu) != 0x7FFFu; }

    // The nearest 64-bit double; `overflow` is set when a finite value became infinite.
    struct StoredDouble {
        double value;
        bool overflow;
    };
    StoredDouble toDouble() const;

    // Toward zero / to nearest with ties to even; nothing for NaN, infinity or out of range.
    std::optional<std::int64_t> truncToInt64() const;
    std::optional<std::int64_t> roundToInt64() const;

    Extended truncated() const;  // toward zero, keeps the sign of a zero result

    Extended operator-() const { return fromBits(signExponent_ ^ 0x8000u, significand_); }

    friend Extended operator+(const Extended& a, const Extended& b);
    friend Extended operator-(const Extended& a, const Extended& b) { return a + (-b); }
    friend Extended operator*(const Extended& a, const Extended& b);
    friend Extended operator/(const Extended& a, const Extended& b);

    friend std::partial_ordering operator<=>(const Extended& a, const Extended& b);
    friend bool operator==(const Extended& a, const Extended& b) {
        return (a <=> b) == std::partial_ordering::equivalent;
    }

  private:
    std::uint16_t signExponent_ = 0;
    std::uint64_t significand_ = 0;
};

}  // namespace aeon
