#pragma once

// The draw calculation: three box texts in, two seven-digit sets, the digits
// they share and the two-line text for the clipboard out.

#include "engine/errors.h"

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

} // namespace engine
