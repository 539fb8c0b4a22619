#pragma once

// The two ways reading a text as a number can fail. The text helpers throw
// them; calculate() lets them through to its caller.

#include <cstddef>
#include <stdexcept>

namespace engine {

// Base of the two conversion errors.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;

    // Which of the three texts could not be read, 0 for the first: calculate()
    // sets it, so that the caller can point at that box.
    std::size_t text() const { return m_text; }
    void setText(std::size_t text) { m_text = text; }

  private:
    std::size_t m_text = 0;
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
