#include "engine/text.h"

#include "engine/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace engine::detail;

std::u16string repeated(std::u16string_view piece, std::size_t count)
{
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

TEST(TextTest, ReadsNumbers)
{
    struct Row {
        std::u16string_view text;
        double value;
    };
    // clang-format off
    const Row rows[] = {
        {u"7", 7},         {u"07", 7},          {u"+7", 7},         {u"-7", -7},
        {u"7.", 7},        {u"7.0", 7},         {u".5", 0.5},       {u"-.5", -0.5},
        {u"9.0", 9},       {u"00", 0},          {u"0.1", 0.1},      {u"123456789", 123456789},
        {u"\uFF17", 7},    {u"\uFF10\uFF19", 9}, {u"\uFF0B\uFF17", 7}, {u"\uFF0D\uFF17", -7},
        {u"\uFF0E\uFF15", 0.5}, {u"1\uFF0E5", 1.5},
        {u"9.0000000000000000001", 9}, // rounds to the nearest double
        // around the length where whole numbers stop being read directly
        {u"999999999999999", 999999999999999.0}, {u"-0000000000000000001", -1},
        {u"9007199254740993", 9007199254740992.0}, {u"123456789012345.", 123456789012345.0},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
        EXPECT_EQ(toNumber(row.text), row.value);
    }
}

TEST(TextTest, RejectsTextsThatAreNoNumbers)
{
    // clang-format off
    const std::u16string_view rows[] = {
        u"",    u".",    u"-",     u"+",   u"+-1", u"--1", u"1e3", u"1,0",  u"0x10",
        u"1 2", u" 1",   u"1 ",    u"\t",  u"1\t", u"a",   u"7a",  u"1.2.3", u"..5",
        u"\u0663", // Arabic-Indic three
        u"\u3000", u"\u00A0", u"inf",   u"nan", u"1-",  u"-.",  u"\uFF21",
        u"\u0037\u0300", // 7 with a combining accent
    };
    // clang-format on
    for (const std::u16string_view text : rows) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        EXPECT_THROW(toNumber(text), engine::TypeMismatch);
    }
}

TEST(TextTest, HugeValuesOverflowAndTinyValuesReadAsZero)
{
    EXPECT_THROW(toNumber(repeated(u"9", 400)), engine::Overflow);
    EXPECT_THROW(toNumber(u"-" + repeated(u"9", 400)), engine::Overflow);
    EXPECT_THROW(toNumber(u"1" + repeated(u"0", 400)), engine::Overflow);
    EXPECT_THROW(toNumber(repeated(u"0", 400) + repeated(u"9", 400) + u".5"), engine::Overflow);
    EXPECT_EQ(toNumber(u"0." + repeated(u"0", 400) + u"1"), 0.0);
    EXPECT_EQ(toNumber(u"-." + repeated(u"0", 400) + u"1"), 0.0);
    EXPECT_EQ(toNumber(repeated(u"0", 400) + u"7"), 7.0);
    EXPECT_EQ(toNumber(repeated(u"9", 308)), 1e308);
    EXPECT_EQ(toNumber(u"1" + repeated(u"0", 300) + u"." + repeated(u"0", 400)), 1e300);
}

TEST(TextTest, ConvertsTo16BitRoundingHalfToEven)
{
    struct Row {
        std::u16string_view text;
        std::int16_t value;
    };
    const Row rows[] = {
        {u"0.5", 0},         {u"1.5", 2},           {u"2.5", 2},         {u"-2.5", -2},
        {u"-1.5", -2},       {u"2.4999", 2},        {u"2.5001", 3},      {u"-0.5", 0},
        {u"09", 9},          {u"45", 45},           {u"32767", 32767},   {u"32767.4", 32767},
        {u"-32768", -32768}, {u"-32768.5", -32768}, {u"32766.5", 32766}, {u"-0", 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
        EXPECT_EQ(toInt16(row.text), row.value);
    }
    const std::u16string_view overflowing[] = {u"32767.5", u"32768",   u"-32768.6",
                                               u"-32769",  u"1000000", u"99999999999999999999"};
    for (const std::u16string_view text : overflowing)
        EXPECT_THROW(toInt16(text), engine::Overflow);
    EXPECT_THROW(toInt16(u"x"), engine::TypeMismatch);
}

TEST(TextTest, WritesIntegersWithoutLeadingZeros)
{
    EXPECT_EQ(toText(9), u"9");
    EXPECT_EQ(toText(0), u"0");
    EXPECT_EQ(toText(-32768), u"-32768");
    EXPECT_EQ(toText(32767), u"32767");
}

TEST(TextTest, TrimsSpacesAndIdeographicSpaces)
{
    EXPECT_EQ(trimBlanks(u"  7 "), u"7");
    EXPECT_EQ(trimBlanks(u"\u3000 7\u3000"), u"7");
    EXPECT_EQ(trimBlanks(u" 1 2 "), u"1 2");
    EXPECT_EQ(trimBlanks(u"\t7"), u"\t7");
    EXPECT_EQ(trimBlanks(u"   "), u"");
    EXPECT_EQ(trimSpaces(u"\u3000 7 "), u"\u3000 7");
}

using Pieces = std::vector<std::u16string_view>;

Pieces split(std::u16string_view text, char16_t separator)
{
    Pieces pieces;
    forEachPiece(text, separator,
                 [&pieces](std::u16string_view piece) { pieces.push_back(piece); });
    return pieces;
}

TEST(TextTest, SplitsKeepingEmptyPieces)
{
    EXPECT_EQ(split(u"18 27 36", u' '), (Pieces{u"18", u"27", u"36"}));
    EXPECT_EQ(split(u"", u' '), (Pieces{u""}));
    EXPECT_EQ(split(u" a  b ", u' '), (Pieces{u"", u"a", u"", u"b", u""}));
    EXPECT_EQ(join(Pieces{u"", u"a", u"", u"b", u""}, u' '), u" a  b ");
}

TEST(TextTest, TakesFirstAndLastUnits)
{
    EXPECT_EQ(left(u"182736", 3), u"182");
    EXPECT_EQ(right(u"182736", 3), u"736");
    EXPECT_EQ(left(u"18", 3), u"18");
    EXPECT_EQ(right(u"18", 3), u"18");
    EXPECT_EQ(right(u"", 1), u"");
    EXPECT_EQ(unitAt(u"123", 2), u"3");
    EXPECT_EQ(unitAt(u"123", 3), u"");
}

TEST(TextTest, ContainsAgreesWithThePlainSearch)
{
    // Needles on both sides of the length where the linear search takes over.
    const std::u16string haystack = repeated(u"ab", 40) + u"abc" + repeated(u"a", 50);
    for (std::size_t start = 0; start < haystack.size(); start += 7)
        for (std::size_t length = 0; length <= 60 && start + length <= haystack.size(); ++length) {
            const std::u16string needle = haystack.substr(start, length);
            EXPECT_TRUE(contains(haystack, needle));
            const std::u16string altered = needle + u"x";
            EXPECT_EQ(contains(haystack, altered), haystack.find(altered) != std::u16string::npos);
        }
    EXPECT_FALSE(contains(repeated(u"1", 100), repeated(u"1", 99) + u"2"));
    EXPECT_TRUE(contains(repeated(u"1", 100) + u"2", repeated(u"1", 99) + u"2"));
    EXPECT_FALSE(contains(u"", u"1"));
}

} // namespace
