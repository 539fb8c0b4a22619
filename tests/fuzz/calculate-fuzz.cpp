// libFuzzer target for engine::calculate. The input is read as UTF-8 (leniently:
// lone surrogates decode, a stray byte becomes the unit of the same value) and
// split at line feeds into the three box texts.
//
// Checked for every input: only TypeMismatch and Overflow escape; missing input
// exactly when a trimmed text is empty; the combined text is made of the two
// sets; the common digits are those of the first set's characters 1 to 6 and
// its last one that occur in the second set, in the first set's order; three
// single digits give two seven-digit sets that hold all ten digits together.

#include "engine/calculate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace {

std::u16string decode(const std::uint8_t *data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t lead = data[i];
        const auto continuation = [&](std::size_t at) {
            return at < size && (data[at] & 0xC0) == 0x80;
        };
        if (lead >= 0xC0 && lead < 0xE0 && continuation(i + 1)) {
            text += static_cast<char16_t>(((lead & 0x1F) << 6) | (data[i + 1] & 0x3F));
            i += 2;
        } else if (lead >= 0xE0 && lead < 0xF0 && continuation(i + 1) && continuation(i + 2)) {
            text += static_cast<char16_t>(((lead & 0x0F) << 12) | ((data[i + 1] & 0x3F) << 6) |
                                          (data[i + 2] & 0x3F));
            i += 3;
        } else if (lead >= 0xF0 && lead < 0xF8 && continuation(i + 1) && continuation(i + 2) &&
                   continuation(i + 3)) {
            const std::uint32_t code = ((lead & 0x07U) << 18) | ((data[i + 1] & 0x3FU) << 12) |
                                       ((data[i + 2] & 0x3FU) << 6) | (data[i + 3] & 0x3FU);
            const std::uint32_t offset = (code - 0x10000) & 0xFFFFF;
            text += static_cast<char16_t>(0xD800 + (offset >> 10));
            text += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
            i += 4;
        } else {
            text += static_cast<char16_t>(lead);
            i += 1;
        }
    }
    return text;
}

bool isBlank(char16_t unit)
{
    return unit == u' ' || unit == u'\u3000';
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A lone digit, ASCII or full-width.
bool isSingleDigit(std::u16string_view text)
{
    return text.size() == 1 &&
           ((text[0] >= u'0' && text[0] <= u'9') || (text[0] >= u'\uFF10' && text[0] <= u'\uFF19'));
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string input = decode(data, size);
    std::array<std::u16string_view, 3> texts;
    std::u16string_view rest = input;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? rest.find(u'\n') : std::u16string_view::npos;
        texts[i] = rest.substr(0, end);
        rest = end == std::u16string_view::npos ? std::u16string_view() : rest.substr(end + 1);
    }

    engine::CalculationResult result;
    try {
        result = engine::calculate(texts[0], texts[1], texts[2]);
    } catch (const engine::TypeMismatch &) {
        return 0;
    } catch (const engine::Overflow &) {
        return 0;
    }

    const bool anyEmpty =
        trimmed(texts[0]).empty() || trimmed(texts[1]).empty() || trimmed(texts[2]).empty();
    check(std::holds_alternative<engine::MissingInput>(result) == anyEmpty);
    if (anyEmpty)
        return 0;

    const auto &sets = std::get<engine::DrawSets>(result);
    check(sets.combinedText == sets.firstSet + u".3\r\n" + sets.secondSet + u".3");
    std::u16string common;
    const std::u16string &firstSet = sets.firstSet;
    const auto keep = [&](std::size_t at) {
        if (at < firstSet.size() && sets.secondSet.find(firstSet[at]) != std::u16string::npos)
            common += firstSet[at];
    };
    for (std::size_t at = 0; at < 6; ++at)
        keep(at);
    if (!firstSet.empty())
        keep(firstSet.size() - 1);
    check(sets.commonDigits == common);

    if (isSingleDigit(trimmed(texts[0])) && isSingleDigit(trimmed(texts[1])) &&
        isSingleDigit(trimmed(texts[2]))) {
        const std::set<char16_t> first(sets.firstSet.begin(), sets.firstSet.end());
        const std::set<char16_t> second(sets.secondSet.begin(), sets.secondSet.end());
        check(sets.firstSet.size() == 7 && first.size() == 7);
        check(sets.secondSet.size() == 7 && second.size() == 7);
        std::set<char16_t> all = first;
        all.insert(second.begin(), second.end());
        check(all.size() == 10);
        check(sets.commonDigits.size() == 4);
    }
    return 0;
}
