#include "engine/sets.h"

#include "engine/ordering.h"
#include "engine/text.h"

namespace engine {

namespace {

using detail::contains;
using detail::left;
using detail::right;
using detail::toInt16;
using detail::toText;

// The ordering routines take their arguments by reference and MidNum reorders
// them, so each call gets fresh copies.
template <typename Routine, typename... Values>
std::int16_t onCopies(Routine routine, Values... copies)
{
    return routine(copies...);
}

// Writing "09" as a number drops its zero; "09" is always the smallest code,
// so one "0" in front of a short ordered text restores it.
std::u16string withLeadingZero(std::u16string ordered, std::size_t fullLength)
{
    if (ordered.size() < fullLength)
        ordered.insert(0, 1, u'0');
    return ordered;
}

SevenDigitSets threePairs(std::u16string_view a, std::u16string_view b, std::u16string_view c,
                          std::u16string_view rem)
{
    const std::int16_t x = toInt16(a);
    const std::int16_t y = toInt16(b);
    const std::int16_t z = toInt16(c);
    const std::int16_t lo = onCopies(Min, x, y, z);
    const std::int16_t mid = onCopies(MidNum, x, y, z);
    const std::int16_t hi = onCopies(Max, x, y, z);
    const std::u16string ordered = withLeadingZero(toText(lo) + toText(mid) + toText(hi), 6);

    std::u16string first(rem);
    first += left(ordered, 3);
    std::u16string second(rem);
    second += right(ordered, 3);
    return {std::move(first), std::move(second)};
}

// The two-pair and one-pair branches order two pieces of the distinct-code text.
std::u16string orderedPair(std::u16string_view p, std::u16string_view q, std::size_t fullLength)
{
    const std::int16_t pValue = toInt16(p);
    const std::int16_t qValue = toInt16(q);
    const std::int16_t lo = onCopies(Min2, pValue, qValue);
    const std::int16_t hi = onCopies(Max2, pValue, qValue);
    return withLeadingZero(toText(lo) + toText(hi), fullLength);
}

SevenDigitSets twoPairs(std::u16string_view distinctCodes, std::u16string_view rem)
{
    const std::u16string ordered = orderedPair(left(distinctCodes, 2), right(distinctCodes, 2), 4);

    // The pairs the remaining digits belong to, in table order.
    std::u16string restCodes;
    for (const PairCodeRow &row : PairCodeTable) {
        if (rem.find(digitUnit(row.firstDigit)) != std::u16string_view::npos ||
            rem.find(digitUnit(row.secondDigit)) != std::u16string_view::npos)
            restCodes += row.pairCode;
    }

    std::u16string first = ordered;
    first += left(restCodes, 3);
    std::u16string second = ordered;
    second += right(restCodes, 3);
    return {std::move(first), std::move(second)};
}

SevenDigitSets onePair(std::u16string_view distinctCodes, std::u16string_view rem)
{
    const std::u16string ordered = orderedPair(left(distinctCodes, 1), right(distinctCodes, 1), 2);
    const std::u16string_view low = left(ordered, 1);
    const std::u16string_view high = right(ordered, 1);

    std::u16string first(low);
    first += contains(u"01234", low) ? right(rem, 6) : left(rem, 6);
    std::u16string second(high);
    second += contains(u"56789", high) ? left(rem, 6) : right(rem, 6);
    return {std::move(first), std::move(second)};
}

} // namespace

SevenDigitSets buildSets(std::u16string_view a, std::u16string_view b, std::u16string_view c,
                         std::u16string_view distinctCodes, std::u16string_view remainingDigits)
{
    switch (distinctCodes.size()) {
    case 6:
        return threePairs(a, b, c, remainingDigits);
    case 4:
        return twoPairs(distinctCodes, remainingDigits);
    case 2:
        return onePair(distinctCodes, remainingDigits);
    default:
        return {};
    }
}

} // namespace engine
