#pragma once

// The two ways reading a text as a number can fail. The text helpers throw
// them; calculate() lets them through to its caller.

#include <stdexcept>

namespace engine {

// Base of the two conversion errors.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The text is not a number.
class TypeMismatch : public ConversionError {
  public:
    TypeMismatch() : ConversionError("type mismatch: the text is not a number") {}
};

// The number is out of the range of its destination type.
class Overflow : public ConversionError {
  public:
    Overflow() : ConversionError("overflow: the number is out of range") {}
};

} // namespace engine
