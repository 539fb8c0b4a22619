#include "engine/text.h"

#include "engine/errors.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace engine::detail {

namespace {

template <typename IsTrimmed>
std::u16string_view trimmed(std::u16string_view text, IsTrimmed isTrimmed)
{
    while (!text.empty() && isTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

// Knuth-Morris-Pratt: linear in both lengths, for needles too long for the
// plain search to stay linear.
bool containsLong(std::u16string_view haystack, std::u16string_view needle)
{
    std::vector<std::size_t> border(needle.size() + 1, 0);
    for (std::size_t i = 1, k = 0; i < needle.size(); ++i) {
        while (k > 0 && needle[i] != needle[k])
            k = border[k];
        if (needle[i] == needle[k])
            ++k;
        border[i + 1] = k;
    }
    for (std::size_t i = 0, k = 0; i < haystack.size(); ++i) {
        while (k > 0 && haystack[i] != needle[k])
            k = border[k];
        if (haystack[i] == needle[k])
            ++k;
        if (k == needle.size())
            return true;
    }
    return false;
}

char16_t foldFullWidth(char16_t unit)
{
    if (unit >= u'\uFF10' && unit <= u'\uFF19')
        return static_cast<char16_t>(u'0' + (unit - u'\uFF10'));
    switch (unit) {
    case u'\uFF0B':
        return u'+';
    case u'\uFF0D':
        return u'-';
    case u'\uFF0E':
        return u'.';
    default:
        return unit;
    }
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

double roundHalfToEven(double value)
{
    double rounded = std::floor(value);
    // Exact: both are doubles with the same integral part.
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0))
        rounded += 1.0;
    return rounded;
}

} // namespace

std::u16string_view trimBlanks(std::u16string_view text)
{
    return trimmed(text, [](char16_t unit) { return unit == u' ' || unit == u'\u3000'; });
}

std::u16string_view trimSpaces(std::u16string_view text)
{
    return trimmed(text, [](char16_t unit) { return unit == u' '; });
}

std::u16string join(const std::vector<std::u16string_view> &pieces, char16_t separator)
{
    std::u16string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            joined += separator;
        joined += pieces[i];
    }
    return joined;
}

bool contains(std::u16string_view haystack, std::u16string_view needle)
{
    // The library search compares at most needle.size() units per position.
    constexpr std::size_t shortNeedle = 32;
    if (needle.size() <= shortNeedle)
        return haystack.find(needle) != std::u16string_view::npos;
    return containsLong(haystack, needle);
}

std::u16string_view left(std::u16string_view text, std::size_t n)
{
    return text.substr(0, n);
}

std::u16string_view right(std::u16string_view text, std::size_t n)
{
    return n >= text.size() ? text : text.substr(text.size() - n);
}

std::u16string_view unitAt(std::u16string_view text, std::size_t index)
{
    return index < text.size() ? text.substr(index, 1) : std::u16string_view();
}

double toNumber(std::u16string_view text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t unit : text) {
        const char16_t folded = foldFullWidth(unit);
        if (folded > 0x7F)
            throw TypeMismatch();
        ascii.push_back(static_cast<char>(folded));
    }

    std::size_t pos = 0;
    bool negative = false;
    if (pos < ascii.size() && (ascii[pos] == '+' || ascii[pos] == '-')) {
        negative = ascii[pos] == '-';
        ++pos;
    }
    const std::size_t numberStart = pos;
    bool nonZeroInteger = false;
    std::size_t digits = 0;
    // Whole numbers of up to 15 digits are exact doubles: read them directly.
    constexpr std::size_t exactDigits = 15;
    double integer = 0.0;
    for (; pos < ascii.size() && isDigit(ascii[pos]); ++pos, ++digits) {
        nonZeroInteger = nonZeroInteger || ascii[pos] != '0';
        integer = integer * 10 + (ascii[pos] - '0');
    }
    if (pos == ascii.size() && digits > 0 && digits <= exactDigits)
        return negative ? -integer : integer;
    if (pos < ascii.size() && ascii[pos] == '.')
        for (++pos; pos < ascii.size() && isDigit(ascii[pos]); ++pos)
            ++digits;
    if (pos != ascii.size() || digits == 0)
        throw TypeMismatch();

    double value = 0.0;
    const char *end = ascii.data() + ascii.size();
    const auto [parsedTo, error] = std::from_chars(ascii.data() + numberStart, end, value);
    if (error == std::errc::result_out_of_range) {
        // With no exponent form, a value of 1 or more is out of range only
        // when too large; anything below 1 is too small and reads as zero.
        if (nonZeroInteger)
            throw Overflow();
        value = 0.0;
    } else if (error != std::errc() || parsedTo != end) { // GCOVR_EXCL_BR_LINE
        // Not reached: every text the grammar above lets through is one that
        // from_chars reads whole. Kept so a library that disagrees cannot
        // turn a text into a wrong number silently.
        throw TypeMismatch(); // GCOVR_EXCL_LINE
    }
    return negative ? -value : value;
}

std::int16_t toInt16(std::u16string_view text)
{
    const double rounded = roundHalfToEven(toNumber(text));
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        throw Overflow();
    return static_cast<std::int16_t>(rounded);
}

std::u16string toText(std::int16_t value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

} // namespace engine::detail
