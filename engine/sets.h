#pragma once

// The two seven-digit sets built from the coded draw.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

// Names one complementary digit pair (digits adding up to 9), low digit first.
using PairCode = std::u16string_view;

struct PairCodeRow {
    std::int16_t firstDigit;
    std::int16_t secondDigit;
    PairCode pairCode;
};

// The pairs in the order they are tested.
inline constexpr std::array<PairCodeRow, 5> PairCodeTable{{
    {0, 9, u"09"},
    {1, 8, u"18"},
    {2, 7, u"27"},
    {3, 6, u"36"},
    {4, 5, u"45"},
}};

// Every scan over the ten digits goes in this order, so 0 comes last.
inline constexpr std::array<std::int16_t, 10> DigitOrder{1, 2, 3, 4, 5, 6, 7, 8, 9, 0};

// A digit's one-character text.
constexpr char16_t digitUnit(std::int16_t digit)
{
    return static_cast<char16_t>(u'0' + digit);
}

struct SevenDigitSets {
    std::u16string firstSet;
    std::u16string secondSet;
};

// Chooses the three-pair, two-pair or one-pair branch by the length of the
// distinct-code text (6, 4 or 2); for any other length both sets are empty.
// Throws TypeMismatch or Overflow when a value it orders is no 16-bit number.
SevenDigitSets buildSets(std::u16string_view a, std::u16string_view b, std::u16string_view c,
                         std::u16string_view distinctCodes, std::u16string_view remainingDigits);

} // namespace engine
