#include "engine/calculate.h"

#include "engine/sets.h"
#include "engine/text.h"

#include <algorithm>
#include <array>

namespace engine {

namespace {

using detail::contains;
using detail::forEachPiece;
using detail::join;
using detail::toNumber;
using detail::unitAt;

// Runs the pair-code table in order over one value. A matching row replaces
// the value by its pair code, and the later rows see the replaced value.
std::u16string pairCoded(std::u16string_view value)
{
    std::u16string code(value);
    double number = toNumber(code);
    for (const PairCodeRow &row : PairCodeTable) {
        if (number == row.firstDigit || number == row.secondDigit) {
            code = row.pairCode;
            number = toNumber(code);
        }
    }
    return code;
}

// The distinct code values in order of first appearance, without separators.
std::u16string distinctCodes(const std::array<std::u16string, 3> &codes)
{
    const std::u16string joined = join({codes[0], codes[1], codes[2]}, u' ');
    // The first piece starts the text; each later one is appended unless the
    // text already holds it anywhere.
    std::u16string distinct;
    bool first = true;
    forEachPiece(detail::trimSpaces(joined), u' ', [&](std::u16string_view piece) {
        if (first || !contains(distinct, piece))
            distinct += piece;
        first = false;
    });
    return distinct;
}

// The digits, in digit order, that the distinct-code text does not hold.
std::u16string remainingDigits(std::u16string_view distinct)
{
    std::u16string remaining;
    for (const std::int16_t digit : DigitOrder) {
        const char16_t digitText = digitUnit(digit);
        if (distinct.find(digitText) == std::u16string_view::npos)
            remaining += digitText;
    }
    return remaining;
}

// The first set's units 1 to 6 and its last unit that also occur in the
// second set, in the first set's order. Units beyond the end are empty pieces.
std::u16string commonDigits(std::u16string_view firstSet, std::u16string_view secondSet)
{
    const std::u16string written =
        join({unitAt(firstSet, 0), unitAt(firstSet, 1), unitAt(firstSet, 2), unitAt(firstSet, 3),
              unitAt(firstSet, 4), unitAt(firstSet, 5), detail::right(firstSet, 1)},
             u' ');
    std::u16string common;
    forEachPiece(written, u' ', [&](std::u16string_view piece) {
        if (contains(secondSet, piece))
            common += piece;
    });
    return common;
}

std::u16string combinedText(std::u16string_view firstSet, std::u16string_view secondSet)
{
    std::u16string combined(firstSet);
    combined += u".3\r\n";
    combined += secondSet;
    combined += u".3";
    return combined;
}

} // namespace

CalculationResult calculate(std::u16string_view text1, std::u16string_view text2,
                            std::u16string_view text3)
{
    const std::array<std::u16string_view, 3> trimmed{
        detail::trimBlanks(text1), detail::trimBlanks(text2), detail::trimBlanks(text3)};
    if (std::any_of(trimmed.begin(), trimmed.end(),
                    [](std::u16string_view text) { return text.empty(); }))
        return MissingInput{};

    std::array<std::u16string, 3> codes;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        // The error names the text it comes from and goes on to the caller.
        try {
            codes[i] = pairCoded(trimmed[i]);
        } catch (ConversionError &error) { // GCOVR_EXCL_BR_LINE: others (out of memory) pass on
            error.setText(i);
            throw;
        }
    }
    // Every text reads as a number by now. What building the sets can still
    // fail on is the first text's: its own code when it alone makes a
    // six-unit distinct-code text too large for 16 bits (the codes of the
    // others are then at most four units), or a sign or point at the start
    // or end of its code when that code is the whole two-unit text.
    const std::u16string distinct = distinctCodes(codes);
    const std::u16string remaining = remainingDigits(distinct);
    SevenDigitSets sets = buildSets(codes[0], codes[1], codes[2], distinct, remaining);

    DrawSets result;
    result.combinedText = combinedText(sets.firstSet, sets.secondSet);
    result.commonDigits = commonDigits(sets.firstSet, sets.secondSet);
    result.firstSet = std::move(sets.firstSet);
    result.secondSet = std::move(sets.secondSet);
    return result;
}

} // namespace engine
