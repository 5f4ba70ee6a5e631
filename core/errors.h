// The conversion's error kinds: exceptions that carry a German message for the user.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace aeon {

// Common base, so that one place can report every conversion error with its kind.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    virtual std::string_view kindName() const noexcept = 0;
};

// A text that is not a number or not a date.
class EConvertError final : public ConversionError {
  public:
    using ConversionError::ConversionError;
    std::string_view kindName() const noexcept override { return "EConvertError"; }

    static EConvertError notANumber(std::string_view text);
    static EConvertError notADate(std::string_view text);
    static EConvertError notADateTime(std::string_view text);
};

class EOverflow final : public ConversionError {
  public:
    EOverflow() : ConversionError("Gleitkommaüberlauf") {}
    std::string_view kindName() const noexcept override { return "EOverflow"; }
};

class EInvalidOp final : public ConversionError {
  public:
    EInvalidOp() : ConversionError("Ungültige Gleitkommaoperation") {}
    std::string_view kindName() const noexcept override { return "EInvalidOp"; }
};

}  // namespace aeon
