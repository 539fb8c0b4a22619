#pragma once

// Text helpers of the draw calculation: trimming, splitting, substring tests
// and the text-to-number conversions.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine::detail {

// Trims U+0020 and the ideographic space U+3000 (typed by Chinese input
// methods) from both ends.
std::u16string_view trimBlanks(std::u16string_view text);
// Trims U+0020 only from both ends.
std::u16string_view trimSpaces(std::u16string_view text);

// Splits at every separator and hands the pieces, in order, to visit; empty
// pieces are handed on too.
template <typename Visit>
void forEachPiece(std::u16string_view text, char16_t separator, Visit visit)
{
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        if (end == std::u16string_view::npos) {
            visit(text.substr(start));
            return;
        }
        visit(text.substr(start, end - start));
        start = end + 1;
    }
}
std::u16string join(const std::vector<std::u16string_view> &pieces, char16_t separator);

// Substring test in linear time, however long the texts are.
bool contains(std::u16string_view haystack, std::u16string_view needle);

// The first or last n units; the whole text when it is shorter.
std::u16string_view left(std::u16string_view text, std::size_t n);
std::u16string_view right(std::u16string_view text, std::size_t n);
// The unit at index as a text; empty beyond the end.
std::u16string_view unitAt(std::u16string_view text, std::size_t index);

// Reads a text as a number. After folding the full-width digits, plus, minus
// and full stop to ASCII, the whole text must match
//     [+-]? ( digits [ "." digits* ] | "." digits )
// or TypeMismatch is thrown. The value is the correctly rounded double; a
// value beyond the double range throws Overflow, one too small for a double
// reads as zero.
double toNumber(std::u16string_view text);

// Reads a text as a number, rounds it half to even and throws Overflow
// outside -32768..32767.
std::int16_t toInt16(std::u16string_view text);

// Plain decimal, no leading zeros.
std::u16string toText(std::int16_t value);

} // namespace engine::detail
