#pragma once

// The draw calculation: three box texts in, two seven-digit sets, the digits
// they share and the two-line text for the clipboard out.

#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace engine {

// At least one of the three texts is empty once spaces are trimmed.
struct MissingInput {};

struct DrawSets {
    std::u16string firstSet;
    std::u16string secondSet;
    std::u16string combinedText; // firstSet ".3" CR LF secondSet ".3"
    std::u16string commonDigits;
};

using CalculationResult = std::variant<MissingInput, DrawSets>;

// Texts are UTF-16; lengths and positions count UTF-16 units. Throws
// TypeMismatch or Overflow when a text that has to be read as a number
// cannot be; nothing is caught here.
CalculationResult calculate(std::u16string_view text1, std::u16string_view text2,
                            std::u16string_view text3);

// Base of the two ways reading a text as a number can fail.
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
